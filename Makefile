# SPDX-License-Identifier: GPL-3.0-or-later
# The project's front door. `make run` builds and starts the game; `make test` builds and runs
# every test, short runs of the fuzz targets included; `make fuzz` runs each fuzz target for
# FUZZ_SECONDS. All install what is missing from Debian's packages first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
ARGS ?=
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz install format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPULSADROME_FUZZ=ON \
		-DPULSADROME_FUZZ_SECONDS=$(FUZZ_SECONDS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/pulsadrome $(ARGS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Each fuzz target in turn; a crash stops the run and leaves its input in $(BUILD_DIR)/fuzz/crashes.
fuzz: configure
	@cmake --build $(BUILD_DIR) --target fuzz

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

# The program, its menu entry and its icons under $(PREFIX) (bin/, share/applications/,
# share/icons/hicolor/).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

format: configure
	@cmake --build $(BUILD_DIR) --target format

format-check: configure
	@cmake --build $(BUILD_DIR) --target format-check

clean:
	rm -rf $(BUILD_DIR)
