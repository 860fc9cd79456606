// SPDX-License-Identifier: GPL-3.0-or-later
// The translated texts of the program, one row per key, in the order French, English, Spanish,
// Portuguese, Italian, German. Texts are exact, spaces included: "NIVEAU " ends with a space to
// which the screens append a number, and a few texts start with a space.
#include "i18n/CaptionTable.h"

namespace pulsadrome::i18n {

namespace {

const CaptionRow kSharedRows[] = {
    {"Label_titre",
     {"PULSADROME", "PULSADROME", "PULSADROME", "PULSADROME", "PULSADROME", "PULSADROME"}},
    {"nom_du_joueur",
     {"Nom du joueur", "Name of the player", "Nombre del jugador", "Nome do jogador",
      "Nome del giocatore", "Name des Spielers"}},
    {"mot_de_passe",
     {"Mot de passe", "Password", "Contraseña", "Senha", "Chiave di accesso", "Kennwort"}},
    {"quitter", {"Quitter", "Exit", "Salir", "Deixar", "Esci", "Ende"}},
    {"nouveau_joueur",
     {"Nouveau joueur", "New player", "Nuevo jugador", "Novo jogador", "Nuovo giocatore",
      "Neuer Spieler"}},
    {"suivant", {"Suivant", "Next", "Siguiente", "Seguinte", "Avanti", "Weiter"}},
    {"valider", {"Valider", "Confirm", "Confirmar", "Validar", "Convalidare", "Freigeben"}},
    {"annuler", {"Annuler", "Cancel", "Cancelar", "Anular", "Annullare", "Beenden"}},
    {"indiquez_votre_nom",
     {"Indique ton nom", "Write your name", "Escriba su nombre", "Indica o nome",
      "Indicare il nome", "Gib deinen Name an"}},
    {"utiliser_un_mot_de_passe",
     {"Utiliser un mot de passe", "Use a password", "Utilizar una contraseña", "Utilizar uma senha",
      "Utilizzare una chiave di accesso", "Ein Kennwort benutzen"}},
    {"oui", {"Oui", "Yes", "Sí", "Sim", " Sì", "Ja"}},
    {"non", {"Non", "No", "No", "Não", "No", "Nein"}},
    {"un_joueur", {"1 joueur", "1 player", "1 jugador", "1 jogador", "1 giocatore", "1 Spieler"}},
    {"Label_scores", {"SCORES", "SCORES", "TANTEOS", "RESULTADOS", "PUNTEGGI", "PUNKTE"}},
    {"jouer_rejouer",
     {"Jouer/Rejouer", "Play/Replay", "Juego/Rejuego", "Jogar", "Giocare", "Spielen/Noch einmal"}},
    {"arreter", {"Arrêter", "Stop", "Parar", "Parar", "Terminare", "Anhalten"}},
    {"niveau", {"NIVEAU ", "LEVEL ", "NIVEL ", "NÍVEL ", "LIVELLO ", "NIVEAU "}},
    {"changer_utilisateur",
     {"Changer d'utilisateur", "Change the user", "Cambiar el usuario", "Alterar o utilizador",
      "Cambiare l'utente", "Den Benutzer wechseln"}},
    {"pulsadrome_web",
     {"Pulsadrome sur le web", "Pulsadrome on the web", "Pulsadrome sobre el web",
      "Pulsadrome sobre o web", "Pulsadrome sul web", "Pulsadrome im Internet"}},
    {"aide", {"Aide", "Help", "Ayuda", "Ajuda", "Aiuto", "Hilfe"}},
    {"recommencer",
     {"Recommencer", "Restart", "Volver a empezar", "Recomeçar", "Ricominciare", "Wiederbeginnen"}},
    {"choisir_utilisateur",
     {"Tu dois choisir un nom d'utilisateur", "You must choose a user name",
      "Ud debe escoger un nombre", "Deves escolher um nome de utilizador",
      "Devi scegliere un nome d'utente", "Du mußt einen Benutzernamen wählen"}},
    {"passe_incorret",
     {"Mot de passe incorrect", "Wrong password", "Contraseña incorrecta", "Senha incorrecta",
      "Parola d'accesso sbagliata", "Falsches Kennwort"}},
    {"Label_copyright",
     {"© 2026 L'équipe Pulsadrome. Logiciel libre sous licence GPL 3.",
      "© 2026 The Pulsadrome team. Free software under the GPL 3 licence.",
      "© 2026 El equipo de Pulsadrome. Software libre bajo licencia GPL 3.",
      "© 2026 A equipa Pulsadrome. Software livre sob a licença GPL 3.",
      "© 2026 Il team di Pulsadrome. Software libero con licenza GPL 3.",
      "© 2026 Das Pulsadrome-Team. Freie Software unter der Lizenz GPL 3."}},
    {"Label_version",
     {"Version 1.2", "Version 1.2", "Versión 1.2", "Versão 1.2", "Versione 1.2", "Version 1.2"}},
    {"Label_directx",
     {"Le son ne peut pas démarrer : la banque de sons (SoundFont) ou la sortie audio est "
      "introuvable.",
      "The sound cannot start: the sound bank (SoundFont) or the audio output cannot be found.",
      "El sonido no puede empezar: no se encuentra el banco de sonidos (SoundFont) o la salida de "
      "audio.",
      "O som não pode começar: o banco de sons (SoundFont) ou a saída de áudio não foi encontrado.",
      "Il suono non può partire: la banca dei suoni (SoundFont) o l'uscita audio non si trova.",
      "Der Ton kann nicht starten: Die Klangbank (SoundFont) oder die Audioausgabe fehlt."}},
    {"Label_vainqueur",
     {"Le vainqueur est", "The winner is", "El vencedor es", "O vencedor é", "Il vincitore è",
      "Der Sieger ist"}},
    {"Label_scores_identiques",
     {"Les scores sont identiques. Il n'y a pas de vainqueur.",
      "The scores are the same.  There is no winner.",
      " Los resultados son idénticos. No hay vencedor.",
      " Os resultados são idênticos. Não há vencedor.",
      "I punteggi sono identici. Nessuno vincitore.",
      "Die Stände sind identisch. Es gibt keinen Sieger."}},
    {"Label_jeux", {"JEUX", "GAMES", "JUEGOS ", "JOGOS", "GIOCHI", "SPIELE"}},
    {"Label_binaire1",
     {"Mesures binaires : 2/4, 3/4, 4/4 (C)", "Duple times : 2/4, 3/4, 4/4 (C)",
      "Compases 2/4, 3/4, 4/4 (C)", "Compassos 2/4, 3/4, 4/4 (C)", "Battute 2/4, 3/4, 4/4 (C)",
      "Takte 2/4, 3/4, 4/4 (C)"}},
    {"Label_binaire2",
     {"Mesures binaires : 2/2, 3/2, 4/2", "Duple times : 2/2, 3/2, 4/2", "Compases 2/2, 3/2, 4/2",
      "Compassos 2/2, 3/2, 4/2", "Battute 2/2, 3/2, 4/2", "Takte 2/2, 3/2, 4/2"}},
    {"Label_ternaire",
     {"Mesures ternaires : 6/8", "Triple times : 6/8", "Compases 6/8", "Compassos 6/8",
      "Battute 6/8", "Takte 6/8"}},
    {"Label_niveaux_progressifs",
     {"NIVEAUX PROGRESSIFS", "PROGRESSIVE LEVELS", " NIVELES PROGRESIVOS", "NÍVEIS PROGRESSIVOS",
      "LIVELLI PROGRESSIVI", "SCHWIERIGKEITSGRAD"}},
    {"Label_2joueurs",
     {"2 joueurs", "2 players", "2 jugadores", "2 jogadores", "2 giocatori", "2 Spieler"}},
    {"Label_montrer_tictac",
     {"Montrer Tictac :", "Show Tictac :", "Mostrar Tictac :", "Mostrar  Tictac",
      "Mostrare Tictac :", "Tictac zeigen :"}},
    {"Label_montrer_compteur",
     {"Montrer le chronomètre :", "Show the timer :", "Mostrar el cronómetro :",
      "Mostrar o cronómetro", "Mostrare il cronometro :", "Spielstände :"}},
    {"Label_vrai", {"VRAI", "RIGHT", "VERDAD", "VERDADE", "VERO", "RICHTIG"}},
    {"Label_faux", {"FAUX", "WRONG", "GUADAÑA", "FALSO", "FALSO", "FALSCH"}},
    {"Label_montrer_reponses",
     {"Montrer le score :", "Show score :", "Mostrar el resultado :", "Mostrar o resultado :",
      "Mostrare il punteggio :", "Spielstand :"}},
    {"Label_joystick",
     {"Utiliser une manette de jeu :", "Use a joystick :", "Utilizar una palanca :",
      " Utilizar um joystick :", "Utilizzare uno joystick :", "Einen Joypad benutzen :"}},
    {"Label_resultat1",
     {"Le score est inférieur à 1000. Le niveau suivant ne peut pas être commencé.",
      "The score is lower than 1000.  The following level cannot be started.",
      "El resultado es inferior a 1000. El nivel siguiente no puede comenzarse.",
      "O resultado é inferior à 1000. O nível seguinte não pode ser começado. ",
      "Il punteggio è inferiore a 1000. Il livello seguente non può essere cominciato.",
      "Der Stand ist niedriger als 1000. Das folgende Niveau kann nicht begonnen werden."}},
    {"Label_resultat2",
     {"Le score est supérieur ou égal à 1000. Le niveau suivant peut être commencé.",
      "Score is upper than 1000 or equal to 1000. The following level can be begun.",
      "El resultado es superior o igual a 1000. El nivel siguiente puede comenzarse. ",
      "O resultado é superior ou igual à 1000. O nível seguinte pode ser começado. ",
      "Il punteggio è superiore o uguale a 1000. Il livello seguente può essere cominciato. ",
      "Der Stand ist höher als 1000. Das folgende Niveau kann begonnen werden."}},
    {"Label_musique",
     {"Ecouter les rythmes", "Listen to the rhythms", "Escuchar los ritmos", "Ouvir os ritmos",
      "Ascoltare i ritmi", "Die Rhythmen hören"}},
    {"Label_resultat3",
     {"Le score est inférieur à 1000. Tous les niveaux n'ont pas été réussis.",
      "The score is lower than 1000.  All the levels are not successful.",
      "El resultado es inferior a 1000. Todos los niveles no se han conseguido.",
      "O resultado é inferior 1000. Todos os níveis não são terminados. ",
      "Il punteggio è inferiore a 1000. Tutti i livelli non sono stati riusciti.",
      "Der Stand ist niedriger als 1000. Alle Niveaus sind nicht erfolgereich gewesen worden."}},
    {"Label_resultat4",
     {"Le score est supérieur ou égal à 1000. Tous les niveaux ont été réussis.",
      "The score is equal to 1000 or higher than 1000.  All the levels are successful.",
      "El resultado es superior o igual a 1000. Todos los niveles se han conseguido.",
      "O resultado é superior ou igual 1000. Todos os níveis são terminados.",
      "Il punteggio è superiore o uguale a 1000. Tutti i livelli sono stati riusciti.",
      "Der Stand ist höher als 1000. Alle Niveaus sind erfolgreich gewesen worden."}},
    {"Label_bonus",
     {"Utiliser les bonus :", "Use bonus :", "Utilizar las primas :", "Utilizar os bónus :",
      "Utilizzare i bonus :", "Die Prämien benutzen :"}},
    {"Label_timer", {"Chronomètre", "Timer", "Cronómetro", "Cronómetro", "Cronometro", "Stoppuhr"}},
    {"Label_options", {"Options", "Options", "Opciones", "Opções", "Opzioni", "Optionen"}},
    {"Label_volume", {"Volume", "Volume", "Volumen", "Volume", "Volume", "Volumen"}},
    {"Label_test", {"Test :", "Test :", "Test :", "Teste", "Test :", "Test :"}},
};

const CaptionRow kExtraRows[] = {
    {"mot_tempo", {"Vitesse", "Tempo", "Velocidad", "Andamento", "Velocità", "Tempo"}},
    {"choisir_langue",
     {"Choisis ta langue", "Choose your language", "Elige tu idioma", "Escolhe a tua língua",
      "Scegli la tua lingua", "Wähle deine Sprache"}},
    {"langue_non_enregistree",
     {"Le choix de la langue n'a pas pu être enregistré : %1",
      "The language choice could not be saved: %1",
      "No se ha podido guardar la elección del idioma: %1",
      "Não foi possível guardar a escolha da língua: %1",
      "Non è stato possibile salvare la scelta della lingua: %1",
      "Die Sprachwahl konnte nicht gespeichert werden: %1"}},
    {"dossier_donnees_inutilisable",
     {"Pulsadrome ne peut pas garder ses données (joueurs, scores, langue). %1",
      "Pulsadrome cannot keep its data (players, scores, language). %1",
      "Pulsadrome no puede guardar sus datos (jugadores, resultados, idioma). %1",
      "O Pulsadrome não pode guardar os seus dados (jogadores, resultados, língua). %1",
      "Pulsadrome non può conservare i suoi dati (giocatori, punteggi, lingua). %1",
      "Pulsadrome kann seine Daten (Spieler, Punkte, Sprache) nicht speichern. %1"}},
    {"bientot",
     {"Cet écran arrive bientôt.", "This screen is coming soon.", "Esta pantalla llegará pronto.",
      "Este ecrã chega em breve.", "Questa schermata arriverà presto.",
      "Dieser Bildschirm kommt bald."}},
    {"aide_impossible",
     {"L'aide ne peut pas être ouverte : %1", "The help cannot be opened: %1",
      "No se puede abrir la ayuda: %1", "Não é possível abrir a ajuda: %1",
      "Non è possibile aprire l'aiuto: %1", "Die Hilfe kann nicht geöffnet werden: %1"}},
    {"enregistrement_impossible",
     {"Les réglages du joueur n'ont pas pu être enregistrés. %1",
      "The player's settings could not be saved. %1",
      "No se han podido guardar los ajustes del jugador. %1",
      "Não foi possível guardar as definições do jogador. %1",
      "Non è stato possibile salvare le impostazioni del giocatore. %1",
      "Die Einstellungen des Spielers konnten nicht gespeichert werden. %1"}},
    {"base_abimee",
     {"Le fichier des joueurs est abîmé ou ne vient pas de Pulsadrome : %1\n\nIl peut être mis "
      "de côté, sans être effacé, et un nouveau fichier des joueurs vide sera créé. Le faire ?",
      "The players file is damaged or does not come from Pulsadrome: %1\n\nIt can be set aside, "
      "without being deleted, and a new empty players file will be created. Do it?",
      "El archivo de jugadores está dañado o no es de Pulsadrome: %1\n\nPuede apartarse, sin "
      "borrarlo, y se creará un nuevo archivo de jugadores vacío. ¿Hacerlo?",
      "O ficheiro dos jogadores está danificado ou não é do Pulsadrome: %1\n\nPode ser posto "
      "de lado, sem ser apagado, e será criado um novo ficheiro de jogadores vazio. Fazê-lo?",
      "Il file dei giocatori è danneggiato o non viene da Pulsadrome: %1\n\nPuò essere messo "
      "da parte, senza cancellarlo, e verrà creato un nuovo file dei giocatori vuoto. Procedere?",
      "Die Spielerdatei ist beschädigt oder stammt nicht von Pulsadrome: %1\n\nSie kann "
      "beiseitegelegt werden, ohne sie zu löschen, und eine neue, leere Spielerdatei wird "
      "angelegt. Fortfahren?"}},
    {"base_erreur",
     {"Le fichier des joueurs ne peut pas être utilisé : %1", "The players file cannot be used: %1",
      "No se puede usar el archivo de jugadores: %1",
      "Não é possível usar o ficheiro dos jogadores: %1",
      "Non è possibile usare il file dei giocatori: %1",
      "Die Spielerdatei kann nicht benutzt werden: %1"}},
    {"aide_manette",
     {"Branche une manette, choisis « %1 » puis ta manette dans la liste. Le stick ou la croix "
      "déplace le cadre, n'importe quel bouton répond. Appuie sur un bouton : le carré du test "
      "change de couleur.",
      "Plug in a game-pad, choose “%1”, then your pad in the list. The stick or the D-pad moves "
      "the frame; any button answers. Press a button: the test square changes colour.",
      "Conecta un mando, elige «%1» y luego tu mando en la lista. La palanca o la cruz mueve el "
      "marco; cualquier botón responde. Pulsa un botón: el cuadrado de prueba cambia de color.",
      "Liga um comando, escolhe «%1» e depois o teu comando na lista. O manípulo ou a cruz move "
      "o quadro; qualquer botão responde. Carrega num botão: o quadrado de teste muda de cor.",
      "Collega un gamepad, scegli «%1» e poi il tuo gamepad nell'elenco. La levetta o la croce "
      "sposta la cornice; qualsiasi pulsante risponde. Premi un pulsante: il quadrato di prova "
      "cambia colore.",
      "Schließe ein Gamepad an, wähle „%1“ und dann dein Gamepad in der Liste. Der Stick oder das "
      "Steuerkreuz bewegt den Rahmen, jede Taste antwortet. Drücke eine Taste: Das Testfeld "
      "wechselt die Farbe."}},
    {"aucune_manette",
     {"Aucune manette n'est branchée.", "No game-pad is plugged in.",
      "No hay ningún mando conectado.", "Não há nenhum comando ligado.",
      "Nessun gamepad è collegato.", "Es ist kein Gamepad angeschlossen."}},
    {"manettes_impossibles",
     {"Les manettes ne peuvent pas être lues : %1", "Game-pads cannot be read: %1",
      "No se pueden leer los mandos: %1", "Não é possível ler os comandos: %1",
      "Non è possibile leggere i gamepad: %1", "Gamepads können nicht gelesen werden: %1"}},
    {"sons_joueur2",
     {"Les sons de %1", "%1's sounds", "Los sonidos de %1", "Os sons de %1", "I suoni di %1",
      "Die Klänge von %1"}},
    {"Label_entendre_choix",
     {"Entendre mon choix :", "Hear my choice :", "Oír mi elección :", "Ouvir a minha escolha :",
      "Ascoltare la mia scelta :", "Meine Wahl anhören :"}},
    // Under the options panel's switch to its game-pad page, which a finger cannot hover.
    {"page_manettes", {"Manettes", "Game-pads", "Mandos", "Comandos", "Joypad", "Gamepads"}},
    // The sound's set-up: a stored instrument that is not in the band list, a music style in the
    // current folder that cannot be used.
    {"instrument_remplace",
     {"L'instrument enregistré pour ce joueur (« %1 ») n'est pas l'un des %2 instruments du style "
      "de musique : l'instrument « %3 » est utilisé à la place.",
      "The instrument stored for this player (\"%1\") is not one of the %2 instruments of the "
      "music style: the instrument \"%3\" is used instead.",
      "El instrumento guardado para este jugador («%1») no es uno de los %2 instrumentos del "
      "estilo musical: se usa el instrumento «%3» en su lugar.",
      "O instrumento guardado para este jogador («%1») não é um dos %2 instrumentos do estilo "
      "musical: é usado o instrumento «%3» em seu lugar.",
      "Lo strumento salvato per questo giocatore («%1») non è uno dei %2 strumenti dello stile "
      "musicale: al suo posto viene usato lo strumento «%3».",
      "Das für diesen Spieler gespeicherte Instrument („%1“) ist keines der %2 Instrumente des "
      "Musikstils: Stattdessen wird das Instrument „%3“ verwendet."}},
    {"instrument_aucun",
     {"L'instrument enregistré pour ce joueur (« %1 ») ne peut pas être choisi : le style de "
      "musique n'a aucun instrument.",
      "The instrument stored for this player (\"%1\") cannot be chosen: the music style has no "
      "instrument.",
      "El instrumento guardado para este jugador («%1») no se puede elegir: el estilo musical no "
      "tiene ningún instrumento.",
      "O instrumento guardado para este jogador («%1») não pode ser escolhido: o estilo musical "
      "não tem nenhum instrumento.",
      "Lo strumento salvato per questo giocatore («%1») non può essere scelto: lo stile musicale "
      "non ha nessuno strumento.",
      "Das für diesen Spieler gespeicherte Instrument („%1“) kann nicht gewählt werden: Der "
      "Musikstil hat kein Instrument."}},
    {"style_illisible",
     {"Le style de musique %1 ne peut pas être lu.", "The music style %1 cannot be read.",
      "No se puede leer el estilo musical %1.", "Não é possível ler o estilo musical %1.",
      "Non è possibile leggere lo stile musicale %1.",
      "Der Musikstil %1 kann nicht gelesen werden."}},
    {"style_abime",
     {"Le style de musique %1 est abîmé (ligne %2).", "The music style %1 is damaged (line %2).",
      "El estilo musical %1 está dañado (línea %2).",
      "O estilo musical %1 está danificado (linha %2).",
      "Lo stile musicale %1 è danneggiato (riga %2).",
      "Der Musikstil %1 ist beschädigt (Zeile %2)."}},
    {"style_vide",
     {"Le style de musique %1 n'a aucun instrument ou aucun rythme.",
      "The music style %1 has no instrument or no rhythm.",
      "El estilo musical %1 no tiene ningún instrumento o ningún ritmo.",
      "O estilo musical %1 não tem nenhum instrumento ou nenhum ritmo.",
      "Lo stile musicale %1 non ha nessuno strumento o nessun ritmo.",
      "Der Musikstil %1 hat kein Instrument oder keinen Rhythmus."}},
    {"style_propre",
     {"Pulsadrome joue avec son propre style de musique.",
      "Pulsadrome plays with its own music style.", "Pulsadrome toca con su propio estilo musical.",
      "O Pulsadrome toca com o seu próprio estilo musical.",
      "Pulsadrome suona con il proprio stile musicale.",
      "Pulsadrome spielt mit seinem eigenen Musikstil."}},
    {"style_utilise",
     {"Le style de musique %1 est utilisé.", "The music style %1 is used.",
      "Se usa el estilo musical %1.", "É usado o estilo musical %1.",
      "Viene usato lo stile musicale %1.", "Der Musikstil %1 wird verwendet."}},
    // The high-score tables: what the adult is told when a table cannot be read or written.
    {"score_ligne_trop_longue",
     {"la ligne %1 est bien trop longue", "line %1 is far too long",
      "la línea %1 es demasiado larga", "a linha %1 é demasiado longa", "la riga %1 è troppo lunga",
      "Zeile %1 ist viel zu lang"}},
    {"score_ligne_pas_texte",
     {"la ligne %1 n'est pas du texte Windows-1252", "line %1 is not Windows-1252 text",
      "la línea %1 no es texto Windows-1252", "a linha %1 não é texto Windows-1252",
      "la riga %1 non è testo Windows-1252", "Zeile %1 ist kein Windows-1252-Text"}},
    {"score_ligne_caracteres",
     {"la ligne %1 contient des caractères qu'une table ne contient jamais",
      "line %1 holds characters a table never holds",
      "la línea %1 contiene caracteres que una tabla nunca contiene",
      "a linha %1 contém caracteres que uma tabela nunca contém",
      "la riga %1 contiene caratteri che una tabella non contiene mai",
      "Zeile %1 enthält Zeichen, die eine Tabelle nie enthält"}},
    {"score_ligne_sans_separateur",
     {"la ligne %1 n'a pas de séparateur entre le nom et le score",
      "line %1 has no separator between name and score",
      "la línea %1 no tiene separador entre el nombre y el resultado",
      "a linha %1 não tem separador entre o nome e o resultado",
      "la riga %1 non ha un separatore tra il nome e il punteggio",
      "Zeile %1 hat kein Trennzeichen zwischen Name und Punktzahl"}},
    {"score_ligne_sans_score",
     {"la ligne %1 n'a pas de score entier", "line %1 has no whole score",
      "la línea %1 no tiene un resultado entero", "a linha %1 não tem um resultado inteiro",
      "la riga %1 non ha un punteggio intero", "Zeile %1 hat keine ganze Punktzahl"}},
    {"score_ligne_non_relue",
     {"la ligne %1 ne pourrait pas être relue", "line %1 would not read back",
      "la línea %1 no podría volver a leerse", "a linha %1 não poderia ser relida",
      "la riga %1 non potrebbe essere riletta", "Zeile %1 wäre nicht wieder lesbar"}},
    {"score_fichier_trop_grand",
     {"le fichier est bien trop grand", "the file is far too large",
      "el archivo es demasiado grande", "o ficheiro é demasiado grande", "il file è troppo grande",
      "die Datei ist viel zu groß"}},
    {"score_nombre_lignes",
     {"il a %1 lignes au lieu de %2", "it has %1 lines instead of %2",
      "tiene %1 líneas en lugar de %2", "tem %1 linhas em vez de %2", "ha %1 righe invece di %2",
      "sie hat %1 Zeilen statt %2"}},
    {"score_ecriture_impossible",
     {"La table des scores %1 ne peut pas être écrite : %2.",
      "The high-score table %1 cannot be written: %2.",
      "No se puede escribir la tabla de resultados %1: %2.",
      "Não é possível escrever a tabela de resultados %1: %2.",
      "Non è possibile scrivere la tabella dei punteggi %1: %2.",
      "Die Punktetabelle %1 kann nicht geschrieben werden: %2."}},
    {"score_pas_de_table",
     {"Le jeu « %1 » n'a pas de table des scores.", "The game \"%1\" has no high-score table.",
      "El juego «%1» no tiene tabla de resultados.", "O jogo «%1» não tem tabela de resultados.",
      "Il gioco «%1» non ha una tabella dei punteggi.", "Das Spiel „%1“ hat keine Punktetabelle."}},
    {"score_illisible",
     {"La table des scores %1 ne peut pas être lue (%2) ; elle est laissée telle quelle et aucun "
      "score n'est enregistré.",
      "The high-score table %1 cannot be read (%2); it is left as it is and no score is stored.",
      "No se puede leer la tabla de resultados %1 (%2); se deja tal cual y no se guarda ningún "
      "resultado.",
      "Não é possível ler a tabela de resultados %1 (%2); fica como está e nenhum resultado é "
      "guardado.",
      "Non è possibile leggere la tabella dei punteggi %1 (%2); resta com'è e nessun punteggio "
      "viene salvato.",
      "Die Punktetabelle %1 kann nicht gelesen werden (%2); sie bleibt, wie sie ist, und keine "
      "Punktzahl wird gespeichert."}},
    {"score_abime_non_ecarte",
     {"La table des scores %1 est abîmée (%2) et ne peut pas être mise de côté ; elle est laissée "
      "telle quelle et aucun score n'est enregistré.",
      "The high-score table %1 is damaged (%2) and cannot be set aside; it is left as it is and "
      "no score is stored.",
      "La tabla de resultados %1 está dañada (%2) y no puede apartarse; se deja tal cual y no se "
      "guarda ningún resultado.",
      "A tabela de resultados %1 está danificada (%2) e não pode ser posta de lado; fica como "
      "está e nenhum resultado é guardado.",
      "La tabella dei punteggi %1 è danneggiata (%2) e non può essere messa da parte; resta "
      "com'è e nessun punteggio viene salvato.",
      "Die Punktetabelle %1 ist beschädigt (%2) und kann nicht beiseitegelegt werden; sie bleibt, "
      "wie sie ist, und keine Punktzahl wird gespeichert."}},
    {"score_abime_repare",
     {"La table des scores %1 était abîmée (%2). %3 de ses lignes ont été gardées ; le fichier "
      "abîmé est gardé sous le nom %4.",
      "The high-score table %1 was damaged (%2). %3 of its entries were kept; the damaged file "
      "is kept as %4.",
      "La tabla de resultados %1 estaba dañada (%2). Se conservaron %3 de sus líneas; el archivo "
      "dañado se guarda como %4.",
      "A tabela de resultados %1 estava danificada (%2). Foram mantidas %3 das suas linhas; o "
      "ficheiro danificado é guardado como %4.",
      "La tabella dei punteggi %1 era danneggiata (%2). Sono state conservate %3 delle sue "
      "righe; il file danneggiato è conservato come %4.",
      "Die Punktetabelle %1 war beschädigt (%2). %3 ihrer Einträge wurden behalten; die "
      "beschädigte Datei wird als %4 aufbewahrt."}},
    {"score_non_enregistre",
     {"Le score est affiché mais pas enregistré : la table des scores %1 ne peut pas être "
      "écrite.",
      "The score is shown but not stored: the high-score table %1 cannot be written.",
      "El resultado se muestra pero no se guarda: no se puede escribir la tabla de resultados "
      "%1.",
      "O resultado é mostrado mas não guardado: não é possível escrever a tabela de resultados "
      "%1.",
      "Il punteggio è mostrato ma non salvato: non è possibile scrivere la tabella dei punteggi "
      "%1.",
      "Die Punktzahl wird gezeigt, aber nicht gespeichert: Die Punktetabelle %1 kann nicht "
      "geschrieben werden."}},
    {"score_pas_un_nombre",
     {"Le score « %1 » n'est pas un nombre entier que la table peut garder.",
      "The score \"%1\" is not a whole number the table can hold.",
      "El resultado «%1» no es un número entero que la tabla pueda guardar.",
      "O resultado «%1» não é um número inteiro que a tabela possa guardar.",
      "Il punteggio «%1» non è un numero intero che la tabella possa conservare.",
      "Die Punktzahl „%1“ ist keine ganze Zahl, die die Tabelle aufnehmen kann."}},
    {"disque_plein",
     {"Le disque est plein.", "The disk is full.", "El disco está lleno.", "O disco está cheio.",
      "Il disco è pieno.", "Der Datenträger ist voll."}},
    {"ecriture_interdite",
     {"Pulsadrome n'a pas le droit d'écrire dans ce dossier.",
      "Pulsadrome is not allowed to write in this folder.",
      "Pulsadrome no tiene permiso para escribir en esta carpeta.",
      "O Pulsadrome não tem permissão para escrever nesta pasta.",
      "Pulsadrome non ha il permesso di scrivere in questa cartella.",
      "Pulsadrome darf in diesen Ordner nicht schreiben."}},
    {"ecriture_erreur",
     {"Le fichier ne peut pas être écrit (%1).", "The file cannot be written (%1).",
      "No se puede escribir el archivo (%1).", "Não é possível escrever o ficheiro (%1).",
      "Non è possibile scrivere il file (%1).", "Die Datei kann nicht geschrieben werden (%1)."}},
    {"reessayer",
     {"Réessayer ?", "Try again?", "¿Intentarlo de nuevo?", "Tentar de novo?", "Riprovare?",
      "Noch einmal versuchen?"}},
    {"deja_ouvert",
     {"Pulsadrome est déjà ouvert sur cet ordinateur avec les mêmes données (%1). Utilise la "
      "fenêtre déjà ouverte, ou ferme-la avant de relancer le jeu.",
      "Pulsadrome is already open on this computer with the same data (%1). Use the window that "
      "is already open, or close it before starting the game again.",
      "Pulsadrome ya está abierto en este ordenador con los mismos datos (%1). Usa la ventana que "
      "ya está abierta, o ciérrala antes de volver a iniciar el juego.",
      "O Pulsadrome já está aberto neste computador com os mesmos dados (%1). Usa a janela que já "
      "está aberta, ou fecha-a antes de voltar a iniciar o jogo.",
      "Pulsadrome è già aperto su questo computer con gli stessi dati (%1). Usa la finestra già "
      "aperta, oppure chiudila prima di riavviare il gioco.",
      "Pulsadrome ist auf diesem Computer mit denselben Daten (%1) schon geöffnet. Benutze das "
      "schon offene Fenster oder schließe es, bevor du das Spiel neu startest."}},
    {"deja_ouvert_ailleurs",
     {"Pulsadrome est déjà ouvert avec les mêmes données sur l'ordinateur « %1 ». Ferme-le "
      "là-bas avant de jouer ici. Si aucun Pulsadrome n'y est ouvert, un adulte peut supprimer "
      "le fichier %2.",
      "Pulsadrome is already open with the same data on the computer \"%1\". Close it there "
      "before playing here. If no Pulsadrome is open there, an adult may delete the file %2.",
      "Pulsadrome ya está abierto con los mismos datos en el ordenador «%1». Ciérralo allí antes "
      "de jugar aquí. Si allí no hay ningún Pulsadrome abierto, un adulto puede borrar el "
      "archivo %2.",
      "O Pulsadrome já está aberto com os mesmos dados no computador «%1». Fecha-o lá antes de "
      "jogar aqui. Se lá não houver nenhum Pulsadrome aberto, um adulto pode apagar o ficheiro "
      "%2.",
      "Pulsadrome è già aperto con gli stessi dati sul computer «%1». Chiudilo lì prima di "
      "giocare qui. Se lì non è aperto nessun Pulsadrome, un adulto può cancellare il file %2.",
      "Pulsadrome ist mit denselben Daten schon auf dem Computer „%1“ geöffnet. Schließe es "
      "dort, bevor du hier spielst. Ist dort kein Pulsadrome offen, kann ein Erwachsener die "
      "Datei %2 löschen."}},
    // The answer log as a spreadsheet file: its heading row, and the word before a game's number
    // (a level's is "niveau").
    {"csv_joueur", {"Joueur", "Player", "Jugador", "Jogador", "Giocatore", "Spieler"}},
    {"csv_date",
     {"Date et heure (UTC)", "Date and time (UTC)", "Fecha y hora (UTC)", "Data e hora (UTC)",
      "Data e ora (UTC)", "Datum und Uhrzeit (UTC)"}},
    {"csv_activite",
     {"Niveau ou jeu", "Level or game", "Nivel o juego", "Nível ou jogo", "Livello o gioco",
      "Niveau oder Spiel"}},
    {"csv_rythme_joue",
     {"Rythme entendu", "Rhythm heard", "Ritmo oído", "Ritmo ouvido", "Ritmo ascoltato",
      "Gehörter Rhythmus"}},
    {"csv_rythme_choisi",
     {"Rythme choisi", "Rhythm chosen", "Ritmo elegido", "Ritmo escolhido", "Ritmo scelto",
      "Gewählter Rhythmus"}},
    {"csv_juste",
     {"Juste (1) ou faux (0)", "Right (1) or wrong (0)", "Correcto (1) o incorrecto (0)",
      "Certo (1) ou errado (0)", "Giusto (1) o sbagliato (0)", "Richtig (1) oder falsch (0)"}},
    {"csv_temps",
     {"Temps de réponse (ms)", "Time to answer (ms)", "Tiempo de respuesta (ms)",
      "Tempo de resposta (ms)", "Tempo di risposta (ms)", "Antwortzeit (ms)"}},
    {"csv_instrument",
     {"Instrument (numéro)", "Instrument (number)", "Instrumento (número)", "Instrumento (número)",
      "Strumento (numero)", "Instrument (Nummer)"}},
    {"csv_jeu", {"JEU ", "GAME ", "JUEGO ", "JOGO ", "GIOCO ", "SPIEL "}},
};

} // namespace

std::span<const CaptionRow> sharedCaptionRows() {
    return kSharedRows;
}
std::span<const CaptionRow> extraCaptionRows() {
    return kExtraRows;
}

} // namespace pulsadrome::i18n
