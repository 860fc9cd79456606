// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InterruptedSaves.h"

#include "app/HelpDocument.h"
#include "app/ServerOutbox.h"
#include "app/ServerSettings.h"
#include "app/TeacherPassword.h"
#include "common/AtomicFile.h"
#include "i18n/LanguageFile.h"
#include "play/games/HighScoreList.h"

namespace pulsadrome::app {

QStringList removeInterruptedSaves(const DataDirectory& data, const QDateTime& now) {
    QStringList ownNames = play::scoreFileNames();
    ownNames << QString::fromLatin1(i18n::kLanguageFileName) << QStringLiteral("Change_res.txt")
             << TeacherPassword::fileName() << ServerSettingsFile::fileName()
             << ServerOutbox::fileName();
    for (int language = 1; language <= i18n::kLanguageCount; ++language) {
        ownNames << helpFileName(static_cast<i18n::Language>(language));
    }
    return removeLeftoverTemporaries(data.path(), ownNames, now.addSecs(-10 * 60));
}

} // namespace pulsadrome::app
