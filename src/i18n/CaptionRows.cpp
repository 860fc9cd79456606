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
     {"Le choix de la langue n'a pas pu être enregistré. %1",
      "The language choice could not be saved. %1",
      "No se ha podido guardar la elección del idioma. %1",
      "Não foi possível guardar a escolha da língua. %1",
      "Non è stato possibile salvare la scelta della lingua. %1",
      "Die Sprachwahl konnte nicht gespeichert werden. %1"}},
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
     {"L'aide ne peut pas être ouverte. %1", "The help cannot be opened. %1",
      "No se puede abrir la ayuda. %1", "Não é possível abrir a ajuda. %1",
      "Non è possibile aprire l'aiuto. %1", "Die Hilfe kann nicht geöffnet werden. %1"}},
    {"navigateur_introuvable",
     {"Le navigateur internet ne s'ouvre pas. Ouvre-le toi-même, puis va sur pulsadrome.org.",
      "The web browser does not open. Open it yourself, then go to pulsadrome.org.",
      "El navegador de internet no se abre. Ábrelo tú mismo y luego ve a pulsadrome.org.",
      "O navegador de internet não abre. Abre-o tu mesmo e depois vai a pulsadrome.org.",
      "Il browser internet non si apre. Aprilo tu stesso, poi vai su pulsadrome.org.",
      "Der Internet-Browser öffnet sich nicht. Öffne ihn selbst und gehe dann auf "
      "pulsadrome.org."}},
    {"enregistrement_impossible",
     {"Les réglages du joueur n'ont pas pu être enregistrés. %1",
      "The player's settings could not be saved. %1",
      "No se han podido guardar los ajustes del jugador. %1",
      "Não foi possível guardar as definições do jogador. %1",
      "Non è stato possibile salvare le impostazioni del giocatore. %1",
      "Die Einstellungen des Spielers konnten nicht gespeichert werden. %1"}},
    {"base_abimee",
     {"Le fichier des joueurs est abîmé ou ne vient pas de Pulsadrome.\n\nIl peut être mis de "
      "côté, sans être effacé, et un nouveau fichier des joueurs vide sera créé. Le faire ?",
      "The players file is damaged or does not come from Pulsadrome.\n\nIt can be set aside, "
      "without being deleted, and a new empty players file will be created. Do it?",
      "El archivo de jugadores está dañado o no es de Pulsadrome.\n\nPuede apartarse, sin "
      "borrarlo, y se creará un nuevo archivo de jugadores vacío. ¿Hacerlo?",
      "O ficheiro dos jogadores está danificado ou não é do Pulsadrome.\n\nPode ser posto de "
      "lado, sem ser apagado, e será criado um novo ficheiro de jogadores vazio. Fazê-lo?",
      "Il file dei giocatori è danneggiato o non viene da Pulsadrome.\n\nPuò essere messo da "
      "parte, senza cancellarlo, e verrà creato un nuovo file dei giocatori vuoto. Procedere?",
      "Die Spielerdatei ist beschädigt oder stammt nicht von Pulsadrome.\n\nSie kann "
      "beiseitegelegt werden, ohne sie zu löschen, und eine neue, leere Spielerdatei wird "
      "angelegt. Fortfahren?"}},
    {"base_erreur",
     {"Le fichier des joueurs ne peut pas être utilisé. %1", "The players file cannot be used. %1",
      "No se puede usar el archivo de jugadores. %1",
      "Não é possível usar o ficheiro dos jogadores. %1",
      "Non è possibile usare il file dei giocatori. %1",
      "Die Spielerdatei kann nicht benutzt werden. %1"}},
    // Why a file cannot be used, each a whole sentence that follows what could not be done.
    {"raison_fichier_abime",
     {"Le fichier est abîmé.", "The file is damaged.", "El archivo está dañado.",
      "O ficheiro está danificado.", "Il file è danneggiato.", "Die Datei ist beschädigt."}},
    {"raison_fichier_occupe",
     {"Un autre Pulsadrome ouvert se sert de ce fichier en ce moment. Réessaie dans un instant.",
      "Another open Pulsadrome is using this file right now. Try again in a moment.",
      "Otro Pulsadrome abierto está usando este archivo ahora mismo. Vuelve a intentarlo dentro "
      "de un momento.",
      "Outro Pulsadrome aberto está a usar este ficheiro neste momento. Tenta de novo daqui a "
      "pouco.",
      "Un altro Pulsadrome aperto sta usando questo file in questo momento. Riprova tra un "
      "attimo.",
      "Ein anderes geöffnetes Pulsadrome benutzt diese Datei gerade. Versuche es gleich noch "
      "einmal."}},
    {"raison_ecriture_refusee",
     {"Le disque n'a pas accepté ce qui devait y être écrit. Il est peut-être plein, ou il a été "
      "retiré.",
      "The disk did not accept what was to be written on it. It may be full, or it may have been "
      "removed.",
      "El disco no ha aceptado lo que debía escribirse en él. Quizá esté lleno, o lo hayan "
      "quitado.",
      "O disco não aceitou o que devia ser escrito nele. Talvez esteja cheio, ou tenha sido "
      "retirado.",
      "Il disco non ha accettato ciò che doveva esservi scritto. Forse è pieno, oppure è stato "
      "tolto.",
      "Der Datenträger hat nicht angenommen, was darauf geschrieben werden sollte. Vielleicht ist "
      "er voll oder wurde entfernt."}},
    {"raison_fichier_protege",
     {"Pulsadrome n'a pas le droit de modifier ce fichier ou son dossier.",
      "Pulsadrome is not allowed to change this file or its folder.",
      "Pulsadrome no tiene permiso para modificar este archivo o su carpeta.",
      "O Pulsadrome não tem permissão para alterar este ficheiro ou a sua pasta.",
      "Pulsadrome non ha il permesso di modificare questo file o la sua cartella.",
      "Pulsadrome darf diese Datei oder ihren Ordner nicht ändern."}},
    {"raison_fichier_inaccessible",
     {"Ce fichier ne peut pas être ouvert.", "This file cannot be opened.",
      "No se puede abrir este archivo.", "Não é possível abrir este ficheiro.",
      "Non è possibile aprire questo file.", "Diese Datei kann nicht geöffnet werden."}},
    {"raison_mise_de_cote",
     {"Le fichier abîmé ne peut pas être mis de côté.", "The damaged file cannot be set aside.",
      "No se puede apartar el archivo dañado.", "Não é possível pôr de lado o ficheiro danificado.",
      "Non è possibile mettere da parte il file danneggiato.",
      "Die beschädigte Datei kann nicht beiseitegelegt werden."}},
    {"raison_joueur_disparu",
     {"Ce joueur n'est plus dans le fichier des joueurs.",
      "This player is no longer in the players file.",
      "Este jugador ya no está en el archivo de jugadores.",
      "Este jogador já não está no ficheiro dos jogadores.",
      "Questo giocatore non è più nel file dei giocatori.",
      "Dieser Spieler ist nicht mehr in der Spielerdatei."}},
    // The shared player database of a school's network (a database server).
    {"raison_serveur_injoignable",
     {"Le serveur des joueurs ne répond pas. Le réseau ou le serveur est peut-être arrêté.",
      "The players' server does not answer. The network or the server may be down.",
      "El servidor de jugadores no responde. Quizá la red o el servidor estén parados.",
      "O servidor dos jogadores não responde. Talvez a rede ou o servidor estejam parados.",
      "Il server dei giocatori non risponde. Forse la rete o il server sono fermi.",
      "Der Spielerserver antwortet nicht. Vielleicht ist das Netzwerk oder der Server aus."}},
    // Asked when the school's players cannot be used at start: "%1" is the reason.
    {"serveur_inutilisable",
     {"Les joueurs de l'école ne peuvent pas être ouverts. %1 Veux-tu jouer en attendant avec "
      "les joueurs de cet ordinateur ?",
      "The school's players cannot be opened. %1 Do you want to play with this computer's own "
      "players meanwhile?",
      "No se pueden abrir los jugadores de la escuela. %1 ¿Quieres jugar mientras tanto con los "
      "jugadores de este ordenador?",
      "Não é possível abrir os jogadores da escola. %1 Queres jogar entretanto com os jogadores "
      "deste computador?",
      "Non è possibile aprire i giocatori della scuola. %1 Vuoi giocare intanto con i giocatori "
      "di questo computer?",
      "Die Spieler der Schule können nicht geöffnet werden. %1 Möchtest du inzwischen mit den "
      "Spielern dieses Computers spielen?"}},
    // Said once when the program ends with progress the players' server could not take yet.
    {"envoi_plus_tard",
     {"Le serveur des joueurs ne répond pas : tes derniers progrès sont gardés sur cet "
      "ordinateur. Ils seront envoyés la prochaine fois que Pulsadrome s'ouvrira ici.",
      "The players' server does not answer: your latest progress is kept on this computer. It "
      "will be sent the next time Pulsadrome opens here.",
      "El servidor de jugadores no responde: tus últimos progresos se guardan en este "
      "ordenador. Se enviarán la próxima vez que Pulsadrome se abra aquí.",
      "O servidor dos jogadores não responde: os teus últimos progressos ficam guardados neste "
      "computador. Serão enviados da próxima vez que o Pulsadrome abrir aqui.",
      "Il server dei giocatori non risponde: i tuoi ultimi progressi sono conservati su questo "
      "computer. Saranno inviati la prossima volta che Pulsadrome si apre qui.",
      "Der Spielerserver antwortet nicht: Deine letzten Fortschritte bleiben auf diesem "
      "Computer. Sie werden gesendet, wenn Pulsadrome hier das nächste Mal startet."}},
    // Asked at the end when the progress the players' server did not take cannot be written
    // into the data folder: "%1" is the reason.
    {"envoi_non_garde",
     {"Le serveur des joueurs ne répond pas, et tes derniers progrès ne peuvent pas être gardés "
      "sur cet ordinateur. %1",
      "The players' server does not answer, and your latest progress cannot be kept on this "
      "computer. %1",
      "El servidor de jugadores no responde y tus últimos progresos no se pueden guardar en este "
      "ordenador. %1",
      "O servidor dos jogadores não responde e os teus últimos progressos não podem ser guardados "
      "neste computador. %1",
      "Il server dei giocatori non risponde e i tuoi ultimi progressi non possono essere "
      "conservati su questo computer. %1",
      "Der Spielerserver antwortet nicht, und deine letzten Fortschritte können auf diesem "
      "Computer nicht aufbewahrt werden. %1"}},
    // The file of progress kept for the players' server could not be used at start.
    {"envoi_journal_abime",
     {"Les progrès gardés sur cet ordinateur pour le serveur des joueurs sont abîmés : ils "
      "n'ont pas pu être envoyés. Le fichier est mis de côté pour l'adulte qui s'occupe du jeu.",
      "The progress kept on this computer for the players' server is damaged, so it could not "
      "be sent. The file has been put aside for the adult who looks after the game.",
      "Los progresos guardados en este ordenador para el servidor de jugadores están dañados, "
      "así que no se han podido enviar. El archivo se ha apartado para el adulto que se ocupa "
      "del juego.",
      "Os progressos guardados neste computador para o servidor dos jogadores estão danificados, "
      "por isso não foram enviados. O ficheiro foi posto de parte para o adulto que cuida do "
      "jogo.",
      "I progressi conservati su questo computer per il server dei giocatori sono danneggiati, "
      "quindi non sono stati inviati. Il file è stato messo da parte per l'adulto che si occupa "
      "del gioco.",
      "Die auf diesem Computer für den Spielerserver aufbewahrten Fortschritte sind beschädigt "
      "und konnten nicht gesendet werden. Die Datei wurde für den Erwachsenen, der das Spiel "
      "betreut, beiseitegelegt."}},
    {"envoi_journal_illisible",
     {"Les progrès gardés sur cet ordinateur pour le serveur des joueurs ne peuvent pas être "
      "lus : ils restent dans leur fichier et ne sont pas envoyés.",
      "The progress kept on this computer for the players' server cannot be read: it stays in "
      "its file and is not sent.",
      "Los progresos guardados en este ordenador para el servidor de jugadores no se pueden "
      "leer: se quedan en su archivo y no se envían.",
      "Os progressos guardados neste computador para o servidor dos jogadores não podem ser "
      "lidos: ficam no seu ficheiro e não são enviados.",
      "I progressi conservati su questo computer per il server dei giocatori non si possono "
      "leggere: restano nel loro file e non vengono inviati.",
      "Die auf diesem Computer für den Spielerserver aufbewahrten Fortschritte können nicht "
      "gelesen werden: Sie bleiben in ihrer Datei und werden nicht gesendet."}},
    {"raison_serveur_mot_de_passe",
     {"Le serveur des joueurs a refusé le nom d'utilisateur ou le mot de passe.",
      "The players' server refused the user name or the password.",
      "El servidor de jugadores ha rechazado el nombre de usuario o la contraseña.",
      "O servidor dos jogadores recusou o nome de utilizador ou a senha.",
      "Il server dei giocatori ha rifiutato il nome utente o la password.",
      "Der Spielerserver hat den Benutzernamen oder das Kennwort abgelehnt."}},
    {"raison_serveur_droits",
     {"Le serveur des joueurs n'autorise pas cet utilisateur à faire cela.",
      "The players' server does not allow this user to do that.",
      "El servidor de jugadores no permite a este usuario hacer eso.",
      "O servidor dos jogadores não permite que este utilizador faça isso.",
      "Il server dei giocatori non consente a questo utente di farlo.",
      "Der Spielerserver erlaubt diesem Benutzer das nicht."}},
    {"raison_inconnue",
     {"L'ordinateur a signalé un problème.", "The computer reported a problem.",
      "El ordenador ha indicado un problema.", "O computador indicou um problema.",
      "Il computer ha segnalato un problema.", "Der Computer hat ein Problem gemeldet."}},
    // The detail line under a message, for the adult who looks after the game.
    {"detail_fichier",
     {"Fichier : %1", "File: %1", "Archivo: %1", "Ficheiro: %1", "File: %1", "Datei: %1"}},
    {"detail_dossier",
     {"Dossier : %1", "Folder: %1", "Carpeta: %1", "Pasta: %1", "Cartella: %1", "Ordner: %1"}},
    {"detail_serveur",
     {"Serveur des joueurs : %1", "Players' server: %1", "Servidor de jugadores: %1",
      "Servidor dos jogadores: %1", "Server dei giocatori: %1", "Spielerserver: %1"}},
    {"detail_systeme",
     {"Message de l'ordinateur : %1", "The computer's message: %1", "Mensaje del ordenador: %1",
      "Mensagem do computador: %1", "Messaggio del computer: %1", "Meldung des Computers: %1"}},
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
     {"Les manettes ne peuvent pas être lues.", "Game-pads cannot be read.",
      "No se pueden leer los mandos.", "Não é possível ler os comandos.",
      "Non è possibile leggere i gamepad.", "Gamepads können nicht gelesen werden."}},
    {"sons_joueur2",
     {"Les sons de %1", "%1's sounds", "Los sonidos de %1", "Os sons de %1", "I suoni di %1",
      "Die Klänge von %1"}},
    {"Label_entendre_choix",
     {"Entendre mon choix :", "Hear my choice :", "Oír mi elección :", "Ouvir a minha escolha :",
      "Ascoltare la mia scelta :", "Meine Wahl anhören :"}},
    // Under the options panel's switch to its game-pad page, which a finger cannot hover.
    {"manette_numero",
     {"Manette %1", "Game-pad %1", "Mando %1", "Comando %1", "Joypad %1", "Gamepad %1"}},
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
     {"La ligne %1 ne pourrait pas être relue.", "Line %1 would not read back.",
      "La línea %1 no podría volver a leerse.", "A linha %1 não poderia ser relida.",
      "La riga %1 non potrebbe essere riletta.", "Zeile %1 wäre nicht wieder lesbar."}},
    {"score_fichier_trop_grand",
     {"le fichier est bien trop grand", "the file is far too large",
      "el archivo es demasiado grande", "o ficheiro é demasiado grande", "il file è troppo grande",
      "die Datei ist viel zu groß"}},
    {"score_nombre_lignes",
     {"il a %1 lignes au lieu de %2", "it has %1 lines instead of %2",
      "tiene %1 líneas en lugar de %2", "tem %1 linhas em vez de %2", "ha %1 righe invece di %2",
      "sie hat %1 Zeilen statt %2"}},
    // %2: why, in one or two whole sentences.
    {"score_ecriture_impossible",
     {"La table des scores %1 ne peut pas être écrite. %2",
      "The high-score table %1 cannot be written. %2",
      "No se puede escribir la tabla de resultados %1. %2",
      "Não é possível escrever a tabela de resultados %1. %2",
      "Non è possibile scrivere la tabella dei punteggi %1. %2",
      "Die Punktetabelle %1 kann nicht geschrieben werden. %2"}},
    {"score_pas_de_table",
     {"Le jeu « %1 » n'a pas de table des scores.", "The game \"%1\" has no high-score table.",
      "El juego «%1» no tiene tabla de resultados.", "O jogo «%1» não tem tabela de resultados.",
      "Il gioco «%1» non ha una tabella dei punteggi.", "Das Spiel „%1“ hat keine Punktetabelle."}},
    // %2: why, in a whole sentence.
    {"score_illisible",
     {"La table des scores %1 ne peut pas être lue. %2 Elle est laissée telle quelle et aucun "
      "score n'est enregistré.",
      "The high-score table %1 cannot be read. %2 It is left as it is and no score is stored.",
      "No se puede leer la tabla de resultados %1. %2 Se deja tal cual y no se guarda ningún "
      "resultado.",
      "Não é possível ler a tabela de resultados %1. %2 Fica como está e nenhum resultado é "
      "guardado.",
      "Non è possibile leggere la tabella dei punteggi %1. %2 Resta com'è e nessun punteggio "
      "viene salvato.",
      "Die Punktetabelle %1 kann nicht gelesen werden. %2 Sie bleibt, wie sie ist, und keine "
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
    // The high scores of a school's server: "%1" is the reason (the server does not answer ...).
    {"score_serveur_illisible",
     {"Les scores de l'école ne peuvent pas être lus. %1",
      "The school's high scores cannot be read. %1",
      "No se pueden leer los resultados de la escuela. %1",
      "Não é possível ler os resultados da escola. %1",
      "Non è possibile leggere i punteggi della scuola. %1",
      "Die Punktzahlen der Schule können nicht gelesen werden. %1"}},
    {"score_serveur_non_enregistre",
     {"Le score est affiché mais pas enregistré dans les scores de l'école. %1",
      "The score is shown but not stored in the school's high scores. %1",
      "El resultado se muestra pero no se guarda en los resultados de la escuela. %1",
      "O resultado é mostrado mas não guardado nos resultados da escola. %1",
      "Il punteggio è mostrato ma non salvato nei punteggi della scuola. %1",
      "Die Punktzahl wird gezeigt, aber nicht in den Punktzahlen der Schule gespeichert. %1"}},
    // The one-time copy of a computer's own players and high scores to the school's server.
    {"reseau_copier",
     {"Copier les joueurs et les scores de cet ordinateur sur le serveur",
      "Copy this computer's players and scores to the server",
      "Copiar los jugadores y resultados de este ordenador al servidor",
      "Copiar os jogadores e resultados deste computador para o servidor",
      "Copiare giocatori e punteggi di questo computer sul server",
      "Spieler und Punktzahlen dieses Computers auf den Server kopieren"}},
    {"copie_serveur_question",
     {"Copier tous les joueurs et les scores de cet ordinateur sur le serveur ? Un joueur dont "
      "le nom y est déjà pris y recevra un autre nom ; rien ne change sur cet ordinateur.",
      "Copy all players and high scores of this computer to the server? A player whose name is "
      "already taken there gets another name; nothing changes on this computer.",
      "¿Copiar todos los jugadores y resultados de este ordenador al servidor? Un jugador cuyo "
      "nombre ya exista allí recibirá otro nombre; nada cambia en este ordenador.",
      "Copiar todos os jogadores e resultados deste computador para o servidor? Um jogador cujo "
      "nome já exista lá receberá outro nome; nada muda neste computador.",
      "Copiare tutti i giocatori e i punteggi di questo computer sul server? Un giocatore il cui "
      "nome esiste già lì riceverà un altro nome; nulla cambia su questo computer.",
      "Alle Spieler und Punktzahlen dieses Computers auf den Server kopieren? Ein Spieler, dessen "
      "Name dort schon vergeben ist, bekommt einen anderen Namen; auf diesem Computer ändert sich "
      "nichts."}},
    {"copie_serveur_en_cours",
     {"Copie en cours…", "Copying…", "Copiando…", "A copiar…", "Copia in corso…",
      "Wird kopiert …"}},
    {"copie_serveur_finie",
     {"Copie terminée.", "Copy done.", "Copia terminada.", "Cópia concluída.", "Copia terminata.",
      "Kopieren beendet."}},
    {"copie_serveur_faite",
     {"Copiés sur le serveur de l'école : %1 joueur(s), %2 score(s), %3 réponse(s) notée(s).",
      "Copied to the school's server: %1 player(s), %2 high score(s), %3 logged answer(s).",
      "Copiado al servidor de la escuela: %1 jugador(es), %2 resultado(s), %3 respuesta(s) "
      "anotada(s).",
      "Copiado para o servidor da escola: %1 jogador(es), %2 resultado(s), %3 resposta(s) "
      "registada(s).",
      "Copiato sul server della scuola: %1 giocatore/i, %2 punteggio/i, %3 risposta/e "
      "registrata/e.",
      "Auf den Server der Schule kopiert: %1 Spieler, %2 Punktzahl(en), %3 notierte "
      "Antwort(en)."}},
    {"copie_serveur_deja_faite",
     {"Déjà copiés une première fois, donc pas une seconde : %1 joueur(s), %2 score(s).",
      "Copied before, so not copied again: %1 player(s), %2 high score(s).",
      "Ya copiado antes, así que no se copió otra vez: %1 jugador(es), %2 resultado(s).",
      "Já copiado antes, por isso não foi copiado outra vez: %1 jogador(es), %2 resultado(s).",
      "Già copiato prima, quindi non copiato di nuovo: %1 giocatore/i, %2 punteggio/i.",
      "Schon früher kopiert, darum nicht noch einmal: %1 Spieler, %2 Punktzahl(en)."}},
    // Followed by the players, one a line: "Zoé → Zoé (2)".
    {"copie_serveur_renommes",
     {"Ces noms étaient déjà pris sur le serveur ; ces joueurs y ont un autre nom :",
      "These names were already taken on the server, so these players have another name there:",
      "Estos nombres ya existían en el servidor; allí estos jugadores tienen otro nombre:",
      "Estes nomes já existiam no servidor; lá estes jogadores têm outro nome:",
      "Questi nomi esistevano già sul server; lì questi giocatori hanno un altro nome:",
      "Diese Namen gab es auf dem Server schon; dort haben diese Spieler einen anderen Namen:"}},
    {"copie_table_illisible",
     {"La table des scores %1 ne peut pas être lue (%2) ; elle n'a pas été copiée.",
      "The high-score table %1 cannot be read (%2); it was not copied.",
      "No se puede leer la tabla de resultados %1 (%2); no se copió.",
      "Não é possível ler a tabela de resultados %1 (%2); não foi copiada.",
      "Non è possibile leggere la tabella dei punteggi %1 (%2); non è stata copiata.",
      "Die Punktetabelle %1 kann nicht gelesen werden (%2); sie wurde nicht kopiert."}},
    {"copie_serveur_arretee",
     {"La copie vers le serveur de l'école s'est arrêtée avant la fin. %1",
      "The copy to the school's server stopped before the end. %1",
      "La copia al servidor de la escuela se detuvo antes del final. %1",
      "A cópia para o servidor da escola parou antes do fim. %1",
      "La copia sul server della scuola si è fermata prima della fine. %1",
      "Das Kopieren auf den Server der Schule hat vor dem Ende aufgehört. %1"}},
    // The score window while a school's server has not answered yet.
    {"score_lecture_en_cours",
     {"Les scores de l'école arrivent…", "The school's high scores are on their way…",
      "Los resultados de la escuela están llegando…", "Os resultados da escola estão a chegar…",
      "I punteggi della scuola stanno arrivando…", "Die Punktzahlen der Schule kommen gleich…"}},
    {"score_envoi_en_cours",
     {"Ton score part dans les scores de l'école…",
      "Your score is on its way to the school's high scores…",
      "Tu resultado va hacia los resultados de la escuela…",
      "O teu resultado vai a caminho dos resultados da escola…",
      "Il tuo punteggio sta andando nei punteggi della scuola…",
      "Deine Punktzahl ist unterwegs zu den Punktzahlen der Schule…"}},
    {"score_pas_attendu",
     {"Ton score n'a pas été enregistré dans les scores de l'école : la fenêtre a été fermée "
      "avant que le serveur réponde.",
      "Your score was not stored in the school's high scores: the window was closed before "
      "the server answered.",
      "Tu resultado no se guardó en los resultados de la escuela: la ventana se cerró antes de "
      "que el servidor respondiera.",
      "O teu resultado não foi guardado nos resultados da escola: a janela foi fechada antes de "
      "o servidor responder.",
      "Il tuo punteggio non è stato salvato nei punteggi della scuola: la finestra è stata "
      "chiusa prima che il server rispondesse.",
      "Deine Punktzahl wurde nicht in den Punktzahlen der Schule gespeichert: Das Fenster wurde "
      "geschlossen, bevor der Server antwortete."}},
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
     {"Le fichier ne peut pas être écrit.", "The file cannot be written.",
      "No se puede escribir el archivo.", "Não é possível escrever o ficheiro.",
      "Non è possibile scrivere il file.", "Die Datei kann nicht geschrieben werden."}},
    // Why a file that is there cannot be read.
    {"lecture_dossier",
     {"À la place du fichier, il y a un dossier du même nom.",
      "There is a folder where the file should be.",
      "En lugar del archivo hay una carpeta con el mismo nombre.",
      "No lugar do ficheiro há uma pasta com o mesmo nome.",
      "Al posto del file c'è una cartella con lo stesso nome.",
      "An der Stelle der Datei liegt ein Ordner mit demselben Namen."}},
    {"lecture_interdite",
     {"Pulsadrome n'a pas le droit de lire ce fichier.",
      "Pulsadrome is not allowed to read this file.",
      "Pulsadrome no tiene permiso para leer este archivo.",
      "O Pulsadrome não tem permissão para ler este ficheiro.",
      "Pulsadrome non ha il permesso di leggere questo file.",
      "Pulsadrome darf diese Datei nicht lesen."}},
    {"lecture_erreur",
     {"Le fichier ne peut pas être lu.", "The file cannot be read.", "No se puede leer el archivo.",
      "Não é possível ler o ficheiro.", "Non è possibile leggere il file.",
      "Die Datei kann nicht gelesen werden."}},
    // Why a folder cannot be used (the data folder, the help's folder).
    {"dossier_est_un_fichier",
     {"À la place du dossier, il y a un fichier du même nom.",
      "There is a file where the folder should be.",
      "En lugar de la carpeta hay un archivo con el mismo nombre.",
      "No lugar da pasta há um ficheiro com o mesmo nome.",
      "Al posto della cartella c'è un file con lo stesso nome.",
      "An der Stelle des Ordners liegt eine Datei mit demselben Namen."}},
    {"dossier_non_cree",
     {"Le dossier ne peut pas être créé.", "The folder cannot be created.",
      "No se puede crear la carpeta.", "Não é possível criar a pasta.",
      "Non è possibile creare la cartella.", "Der Ordner kann nicht angelegt werden."}},
    // Why the file that keeps a second copy of the game off the same data cannot be taken.
    {"verrou_impossible",
     {"Le fichier qui empêche d'ouvrir deux fois le jeu ne peut pas être créé.",
      "The file that keeps the game from being opened twice cannot be created.",
      "No se puede crear el archivo que impide abrir el juego dos veces.",
      "Não é possível criar o ficheiro que impede abrir o jogo duas vezes.",
      "Non è possibile creare il file che impedisce di aprire il gioco due volte.",
      "Die Datei, die verhindert, dass das Spiel zweimal geöffnet wird, kann nicht angelegt "
      "werden."}},
    {"verrou_reste",
     {"Un Pulsadrome fermé a laissé un fichier qui empêche de jouer, et ce fichier ne peut pas "
      "être supprimé. Un adulte peut le supprimer.",
      "A Pulsadrome that has closed left a file that stops the game, and that file cannot be "
      "removed. An adult may delete it.",
      "Un Pulsadrome cerrado dejó un archivo que impide jugar, y ese archivo no se puede borrar. "
      "Un adulto puede borrarlo.",
      "Um Pulsadrome fechado deixou um ficheiro que impede de jogar, e esse ficheiro não pode "
      "ser apagado. Um adulto pode apagá-lo.",
      "Un Pulsadrome chiuso ha lasciato un file che impedisce di giocare, e quel file non può "
      "essere cancellato. Un adulto può cancellarlo.",
      "Ein geschlossenes Pulsadrome hat eine Datei hinterlassen, die das Spiel verhindert, und "
      "diese Datei kann nicht gelöscht werden. Ein Erwachsener kann sie löschen."}},
    {"verrou_revient",
     {"Le fichier qui empêche d'ouvrir deux fois le jeu revient chaque fois qu'il est supprimé. "
      "Réessaie dans un instant.",
      "The file that keeps the game from being opened twice comes back each time it is removed. "
      "Try again in a moment.",
      "El archivo que impide abrir el juego dos veces vuelve cada vez que se borra. Vuelve a "
      "intentarlo dentro de un momento.",
      "O ficheiro que impede abrir o jogo duas vezes volta sempre que é apagado. Tenta de novo "
      "daqui a pouco.",
      "Il file che impedisce di aprire il gioco due volte ritorna ogni volta che viene "
      "cancellato. Riprova tra un attimo.",
      "Die Datei, die verhindert, dass das Spiel zweimal geöffnet wird, kommt jedes Mal zurück, "
      "wenn sie gelöscht wird. Versuche es gleich noch einmal."}},
    // Why the help cannot be opened.
    {"aide_absente",
     {"L'aide dans cette langue manque au programme.",
      "The help in this language is missing from the program.",
      "Al programa le falta la ayuda en este idioma.", "Falta ao programa a ajuda nesta língua.",
      "Al programma manca l'aiuto in questa lingua.",
      "Dem Programm fehlt die Hilfe in dieser Sprache."}},
    {"aide_mise_en_page",
     {"Ses pages ne peuvent pas être préparées.", "Its pages cannot be prepared.",
      "No se pueden preparar sus páginas.", "Não é possível preparar as suas páginas.",
      "Non è possibile preparare le sue pagine.", "Ihre Seiten können nicht vorbereitet werden."}},
    {"aide_sans_lecteur",
     {"Aucun programme ne peut l'afficher. Elle est enregistrée dans le fichier ci-dessous.",
      "No program can show it. It is saved in the file below.",
      "Ningún programa puede mostrarla. Está guardada en el archivo de abajo.",
      "Nenhum programa a pode mostrar. Está guardada no ficheiro abaixo.",
      "Nessun programma può mostrarlo. È salvato nel file qui sotto.",
      "Kein Programm kann sie anzeigen. Sie ist in der Datei unten gespeichert."}},
    // The buttons of the message boxes ("oui" and "non" answer their questions).
    {"bouton_ok", {"D'accord", "OK", "De acuerdo", "Está bem", "Va bene", "In Ordnung"}},
    {"bouton_reessayer",
     {"Réessayer", "Try again", "Reintentar", "Tentar de novo", "Riprova", "Noch einmal"}},
    {"bouton_annuler", {"Annuler", "Cancel", "Cancelar", "Cancelar", "Annulla", "Abbrechen"}},
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
    // The teachers' commands: what is wrong with the command line, then what an export met.
    {"cli_option_inconnue",
     {"L'option %1 n'existe pas.", "There is no option %1.", "La opción %1 no existe.",
      "A opção %1 não existe.", "L'opzione %1 non esiste.", "Die Option %1 gibt es nicht."}},
    {"cli_option_sans_valeur",
     {"L'option %1 attend une valeur.", "The option %1 needs a value.",
      "La opción %1 necesita un valor.", "A opção %1 precisa de um valor.",
      "L'opzione %1 richiede un valore.", "Die Option %1 braucht einen Wert."}},
    {"cli_option_de_trop",
     {"L'option %1 ne prend pas de valeur.", "The option %1 takes no value.",
      "La opción %1 no admite ningún valor.", "A opção %1 não aceita nenhum valor.",
      "L'opzione %1 non accetta valori.", "Die Option %1 nimmt keinen Wert."}},
    {"cli_dossier",
     {"%1 attend un dossier.", "%1 needs a folder.", "%1 necesita una carpeta.",
      "%1 precisa de uma pasta.", "%1 richiede una cartella.", "%1 braucht einen Ordner."}},
    {"cli_fichier",
     {"%1 attend un fichier.", "%1 needs a file.", "%1 necesita un archivo.",
      "%1 precisa de um ficheiro.", "%1 richiede un file.", "%1 braucht eine Datei."}},
    {"cli_sortie",
     {"%1 attend --out FICHIER.", "%1 needs --out FILE.", "%1 necesita --out ARCHIVO.",
      "%1 precisa de --out FICHEIRO.", "%1 richiede --out FILE.", "%1 braucht --out DATEI."}},
    {"cli_adresse",
     {"« %1 » n'est pas une adresse de serveur : --database attend "
      "postgresql://SERVEUR:PORT/BASE?user=UTILISATEUR&password=MOT_DE_PASSE.",
      "\"%1\" is not a server address: --database needs "
      "postgresql://HOST:PORT/DATABASE?user=USER&password=PASSWORD.",
      "«%1» no es una dirección de servidor: --database necesita "
      "postgresql://SERVIDOR:PUERTO/BASE?user=USUARIO&password=CONTRASEÑA.",
      "«%1» não é um endereço de servidor: --database precisa de "
      "postgresql://SERVIDOR:PORTA/BASE?user=UTILIZADOR&password=SENHA.",
      "«%1» non è un indirizzo di server: --database richiede "
      "postgresql://SERVER:PORTA/DATABASE?user=UTENTE&password=CHIAVE.",
      "„%1“ ist keine Serveradresse: --database braucht "
      "postgresql://SERVER:PORT/DATENBANK?user=BENUTZER&password=KENNWORT."}},
    {"cli_pas_avec",
     {"%1 ne va pas avec %2.", "%1 does not go with %2.", "%1 no va con %2.",
      "%1 não se usa com %2.", "%1 non va con %2.", "%1 passt nicht zu %2."}},
    {"cli_seulement_export",
     {"%1 ne sert qu'avec une commande d'export : export-picture, export-rhythm ou "
      "export-answers.",
      "%1 only goes with an export command: export-picture, export-rhythm or export-answers.",
      "%1 solo sirve con una orden de exportación: export-picture, export-rhythm o "
      "export-answers.",
      "%1 só serve com um comando de exportação: export-picture, export-rhythm ou "
      "export-answers.",
      "%1 serve solo con un comando di esportazione: export-picture, export-rhythm o "
      "export-answers.",
      "%1 gilt nur für einen Exportbefehl: export-picture, export-rhythm oder export-answers."}},
    {"cli_numero_rythme",
     {"%1 attend un numéro de rythme, de 1 à 560.", "%1 needs one rhythm number, from 1 to 560.",
      "%1 necesita un número de ritmo, de 1 a 560.",
      "%1 precisa de um número de ritmo, de 1 a 560.",
      "%1 richiede un numero di ritmo, da 1 a 560.",
      "%1 braucht eine Rhythmusnummer von 1 bis 560."}},
    {"cli_tempo",
     {"--tempo attend un nombre de noires par minute, de 1 à 300.",
      "--tempo takes quarter notes a minute, from 1 to 300.",
      "--tempo necesita negras por minuto, de 1 a 300.",
      "--tempo precisa de semínimas por minuto, de 1 a 300.",
      "--tempo richiede semiminime al minuto, da 1 a 300.",
      "--tempo braucht Viertelnoten pro Minute, von 1 bis 300."}},
    {"cli_instrument",
     {"--band attend une place dans la liste des instruments, de 0 à 43.",
      "--band takes a place in the band list, from 0 to 43.",
      "--band necesita un lugar en la lista de instrumentos, de 0 a 43.",
      "--band precisa de um lugar na lista de instrumentos, de 0 a 43.",
      "--band richiede un posto nell'elenco degli strumenti, da 0 a 43.",
      "--band braucht einen Platz in der Instrumentenliste, von 0 bis 43."}},
    {"cli_taille",
     {"--size attend LARGEURxHAUTEUR en pixels, par exemple 932x228.",
      "--size takes WIDTHxHEIGHT in pixels, for example 932x228.",
      "--size necesita ANCHOxALTO en píxeles, por ejemplo 932x228.",
      "--size precisa de LARGURAxALTURA em píxeis, por exemplo 932x228.",
      "--size richiede LARGHEZZAxALTEZZA in pixel, per esempio 932x228.",
      "--size braucht BREITExHÖHE in Pixeln, zum Beispiel 932x228."}},
    {"cli_sans_numero",
     {"%1 ne prend pas de numéro.", "%1 takes no number.", "%1 no lleva ningún número.",
      "%1 não leva nenhum número.", "%1 non prende nessun numero.", "%1 nimmt keine Nummer."}},
    {"cli_argument_inconnu",
     {"« %1 » n'est pas une commande de Pulsadrome.", "\"%1\" is not a Pulsadrome command.",
      "«%1» no es una orden de Pulsadrome.", "«%1» não é um comando do Pulsadrome.",
      "«%1» non è un comando di Pulsadrome.", "„%1“ ist kein Befehl von Pulsadrome."}},
    {"cli_aide",
     {"Essayez « pulsadrome --help ».", "Try 'pulsadrome --help'.", "Pruebe «pulsadrome --help».",
      "Experimente «pulsadrome --help».", "Provi «pulsadrome --help».",
      "Versuchen Sie „pulsadrome --help“."}},
    // What `pulsadrome --help` prints, in the language of the data folder.
    {"cli_aide_texte",
     {"Utilisation :\n"
      "  pulsadrome [options]\n"
      "  pulsadrome export-picture N --out FICHIER.png [--size LxH]\n"
      "  pulsadrome export-rhythm N --out FICHIER.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out FICHIER.csv [--data-dir DOSSIER]\n"
      "\n"
      "Pulsadrome apprend aux enfants à reconnaître à l'oreille des rythmes écrits : il\n"
      "joue un rythme d'une mesure et l'enfant retrouve son image dans une grille.\n"
      "\n"
      "Options :\n"
      "  --data-dir DOSSIER  garder les joueurs, les scores et le choix de la langue\n"
      "                      dans DOSSIER (par défaut : $XDG_DATA_HOME/pulsadrome,\n"
      "                      d'habitude ~/.local/share/pulsadrome)\n"
      "  --database URL      jouer avec les joueurs et les scores d'un serveur\n"
      "                      PostgreSQL partagé par plusieurs ordinateurs (celui d'une\n"
      "                      école), par exemple\n"
      "                      postgresql://serveur:5432/pulsadrome?user=classe&password=...\n"
      "  -h, --help          afficher cette aide et quitter\n"
      "  --tour DOSSIER      enregistrer une image de chaque écran dans DOSSIER, sans\n"
      "                      affichage\n"
      "  --soundfont FICHIER jouer avec cette banque de sons General MIDI (par défaut :\n"
      "                      FluidR3_GM, sinon TimGM6mb)\n"
      "  -v, --version       afficher la version et les bibliothèques utilisées, et\n"
      "                      quitter\n"
      "\n"
      "Commandes :\n"
      "  export-picture N --out FICHIER.png [--size LxH]\n"
      "                      enregistrer en PNG l'image de la notation du rythme N (1 à\n"
      "                      560), pour des fiches ; la taille par défaut est 932x228\n"
      "                      (quatre fois celle de la grille)\n"
      "  export-rhythm N --out FICHIER.wav [--tempo T] [--band P]\n"
      "                      enregistrer en fichier WAV le rythme N tel qu'il sonne\n"
      "                      dans le jeu (décompte, pulsation, notes), à T noires par\n"
      "                      minute (100 par défaut) avec la place P de la liste des\n"
      "                      instruments, de 0 à 43 (23 par défaut)\n"
      "  export-answers --out FICHIER.csv\n"
      "                      enregistrer toutes les réponses des joueurs aux niveaux et\n"
      "                      aux jeux (joueur, date, niveau ou jeu, rythme entendu et\n"
      "                      choisi, juste ou faux, temps de réponse, tempo,\n"
      "                      instrument) dans un fichier de tableur, dans la langue du\n"
      "                      jeu, avec le séparateur de la langue de l'ordinateur\n"
      "\n",
      "Usage:\n"
      "  pulsadrome [options]\n"
      "  pulsadrome export-picture N --out FILE.png [--size WxH]\n"
      "  pulsadrome export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out FILE.csv [--data-dir DIR]\n"
      "\n"
      "Pulsadrome teaches children to recognise written rhythms by ear: it plays a\n"
      "one-bar rhythm and the child finds its picture in a grid.\n"
      "\n"
      "Options:\n"
      "  --data-dir DIR   keep the players, high scores and language choice in DIR\n"
      "                   (default: $XDG_DATA_HOME/pulsadrome, usually\n"
      "                   ~/.local/share/pulsadrome)\n"
      "  --database URL   play with the players and high scores of a PostgreSQL server\n"
      "                   shared by several computers (a school's), for example\n"
      "                   postgresql://server:5432/pulsadrome?user=class&password=...\n"
      "  -h, --help       show this help and exit\n"
      "  --tour DIR       save a picture of every screen into DIR, without a display\n"
      "  --soundfont FILE play with this General MIDI sound bank (default: FluidR3_GM,\n"
      "                   else TimGM6mb)\n"
      "  -v, --version    show the version and the libraries in use, and exit\n"
      "\n"
      "Commands:\n"
      "  export-picture N --out FILE.png [--size WxH]\n"
      "                   save the notation picture of rhythm N (1 to 560) as a PNG,\n"
      "                   for worksheets; the default size is 932x228 (four times the\n"
      "                   grid's)\n"
      "  export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
      "                   save rhythm N as it sounds in the game (count-in, pulse,\n"
      "                   notes) as a WAV file, at T quarter notes a minute (default\n"
      "                   100) on band list position P, 0 to 43 (default 23)\n"
      "  export-answers --out FILE.csv\n"
      "                   save every answer the players gave on the level and games\n"
      "                   screens (player, date, level or game, rhythm heard and\n"
      "                   chosen, right or wrong, time to answer, tempo, band) as a\n"
      "                   spreadsheet file in the game's language, with the separator\n"
      "                   of the computer's language\n"
      "\n",
      "Uso:\n"
      "  pulsadrome [opciones]\n"
      "  pulsadrome export-picture N --out ARCHIVO.png [--size AxH]\n"
      "  pulsadrome export-rhythm N --out ARCHIVO.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out ARCHIVO.csv [--data-dir CARPETA]\n"
      "\n"
      "Pulsadrome enseña a los niños a reconocer de oído ritmos escritos: toca un ritmo\n"
      "de un compás y el niño encuentra su imagen en una cuadrícula.\n"
      "\n"
      "Opciones:\n"
      "  --data-dir CARPETA  guardar los jugadores, los resultados y el idioma elegido\n"
      "                      en CARPETA (por defecto: $XDG_DATA_HOME/pulsadrome,\n"
      "                      normalmente ~/.local/share/pulsadrome)\n"
      "  --database URL      jugar con los jugadores y los resultados de un servidor\n"
      "                      PostgreSQL compartido por varios ordenadores (el de una\n"
      "                      escuela), por ejemplo\n"
      "                      postgresql://servidor:5432/pulsadrome?user=clase&password=...\n"
      "  -h, --help          mostrar esta ayuda y salir\n"
      "  --tour CARPETA      guardar una imagen de cada pantalla en CARPETA, sin\n"
      "                      pantalla\n"
      "  --soundfont ARCHIVO tocar con este banco de sonidos General MIDI (por defecto:\n"
      "                      FluidR3_GM, si no TimGM6mb)\n"
      "  -v, --version       mostrar la versión y las bibliotecas usadas, y salir\n"
      "\n"
      "Órdenes:\n"
      "  export-picture N --out ARCHIVO.png [--size AxH]\n"
      "                      guardar en PNG la imagen de la notación del ritmo N (1 a\n"
      "                      560), para fichas; el tamaño por defecto es 932x228\n"
      "                      (cuatro veces el de la cuadrícula)\n"
      "  export-rhythm N --out ARCHIVO.wav [--tempo T] [--band P]\n"
      "                      guardar en un archivo WAV el ritmo N tal como suena en el\n"
      "                      juego (cuenta previa, pulso, notas), a T negras por minuto\n"
      "                      (100 por defecto) con el lugar P de la lista de\n"
      "                      instrumentos, de 0 a 43 (23 por defecto)\n"
      "  export-answers --out ARCHIVO.csv\n"
      "                      guardar todas las respuestas de los jugadores en los\n"
      "                      niveles y los juegos (jugador, fecha, nivel o juego, ritmo\n"
      "                      oído y elegido, correcto o incorrecto, tiempo de\n"
      "                      respuesta, tempo, instrumento) en un archivo de hoja de\n"
      "                      cálculo, en el idioma del juego, con el separador del\n"
      "                      idioma del ordenador\n"
      "\n",
      "Utilização:\n"
      "  pulsadrome [opções]\n"
      "  pulsadrome export-picture N --out FICHEIRO.png [--size LxA]\n"
      "  pulsadrome export-rhythm N --out FICHEIRO.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out FICHEIRO.csv [--data-dir PASTA]\n"
      "\n"
      "O Pulsadrome ensina as crianças a reconhecer de ouvido ritmos escritos: toca um\n"
      "ritmo de um compasso e a criança encontra a sua imagem numa grelha.\n"
      "\n"
      "Opções:\n"
      "  --data-dir PASTA     guardar os jogadores, os resultados e a língua escolhida\n"
      "                       em PASTA (por omissão: $XDG_DATA_HOME/pulsadrome,\n"
      "                       normalmente ~/.local/share/pulsadrome)\n"
      "  --database URL       jogar com os jogadores e os resultados de um servidor\n"
      "                       PostgreSQL partilhado por vários computadores (o de uma\n"
      "                       escola), por exemplo\n"
      "                       postgresql://servidor:5432/pulsadrome?user=turma&password=...\n"
      "  -h, --help           mostrar esta ajuda e sair\n"
      "  --tour PASTA         guardar uma imagem de cada ecrã em PASTA, sem ecrã\n"
      "  --soundfont FICHEIRO tocar com este banco de sons General MIDI (por omissão:\n"
      "                       FluidR3_GM, senão TimGM6mb)\n"
      "  -v, --version        mostrar a versão e as bibliotecas usadas, e sair\n"
      "\n"
      "Comandos:\n"
      "  export-picture N --out FICHEIRO.png [--size LxA]\n"
      "                       guardar em PNG a imagem da notação do ritmo N (1 a 560),\n"
      "                       para fichas; o tamanho por omissão é 932x228 (quatro\n"
      "                       vezes o da grelha)\n"
      "  export-rhythm N --out FICHEIRO.wav [--tempo T] [--band P]\n"
      "                       guardar num ficheiro WAV o ritmo N tal como soa no jogo\n"
      "                       (contagem, pulsação, notas), a T semínimas por minuto\n"
      "                       (100 por omissão) com o lugar P da lista de instrumentos,\n"
      "                       de 0 a 43 (23 por omissão)\n"
      "  export-answers --out FICHEIRO.csv\n"
      "                       guardar todas as respostas dos jogadores nos níveis e nos\n"
      "                       jogos (jogador, data, nível ou jogo, ritmo ouvido e\n"
      "                       escolhido, certo ou errado, tempo de resposta, tempo,\n"
      "                       instrumento) num ficheiro de folha de cálculo, na língua\n"
      "                       do jogo, com o separador da língua do computador\n"
      "\n",
      "Uso:\n"
      "  pulsadrome [opzioni]\n"
      "  pulsadrome export-picture N --out FILE.png [--size LxA]\n"
      "  pulsadrome export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out FILE.csv [--data-dir CARTELLA]\n"
      "\n"
      "Pulsadrome insegna ai bambini a riconoscere a orecchio ritmi scritti: suona un\n"
      "ritmo di una battuta e il bambino ne trova l'immagine in una griglia.\n"
      "\n"
      "Opzioni:\n"
      "  --data-dir CARTELLA  tenere i giocatori, i punteggi e la lingua scelta in\n"
      "                       CARTELLA (predefinita: $XDG_DATA_HOME/pulsadrome, di\n"
      "                       solito ~/.local/share/pulsadrome)\n"
      "  --database URL       giocare con i giocatori e i punteggi di un server\n"
      "                       PostgreSQL condiviso da più computer (quello di una\n"
      "                       scuola), per esempio\n"
      "                       postgresql://server:5432/pulsadrome?user=classe&password=...\n"
      "  -h, --help           mostrare questo aiuto e uscire\n"
      "  --tour CARTELLA      salvare un'immagine di ogni schermata in CARTELLA, senza\n"
      "                       schermo\n"
      "  --soundfont FILE     suonare con questo banco di suoni General MIDI\n"
      "                       (predefinito: FluidR3_GM, altrimenti TimGM6mb)\n"
      "  -v, --version        mostrare la versione e le librerie usate, e uscire\n"
      "\n"
      "Comandi:\n"
      "  export-picture N --out FILE.png [--size LxA]\n"
      "                       salvare in PNG l'immagine della notazione del ritmo N (da\n"
      "                       1 a 560), per schede; la dimensione predefinita è 932x228\n"
      "                       (quattro volte quella della griglia)\n"
      "  export-rhythm N --out FILE.wav [--tempo T] [--band P]\n"
      "                       salvare in un file WAV il ritmo N come suona nel gioco\n"
      "                       (conteggio, pulsazione, note), a T semiminime al minuto\n"
      "                       (100 predefinito) con il posto P dell'elenco degli\n"
      "                       strumenti, da 0 a 43 (23 predefinito)\n"
      "  export-answers --out FILE.csv\n"
      "                       salvare tutte le risposte dei giocatori nei livelli e nei\n"
      "                       giochi (giocatore, data, livello o gioco, ritmo ascoltato\n"
      "                       e scelto, giusto o sbagliato, tempo di risposta, tempo,\n"
      "                       strumento) in un file di foglio di calcolo, nella lingua\n"
      "                       del gioco, con il separatore della lingua del computer\n"
      "\n",
      "Aufruf:\n"
      "  pulsadrome [Optionen]\n"
      "  pulsadrome export-picture N --out DATEI.png [--size BxH]\n"
      "  pulsadrome export-rhythm N --out DATEI.wav [--tempo T] [--band P]\n"
      "  pulsadrome export-answers --out DATEI.csv [--data-dir ORDNER]\n"
      "\n"
      "Pulsadrome bringt Kindern bei, geschriebene Rhythmen nach Gehör zu erkennen: Es\n"
      "spielt einen Rhythmus von einem Takt, und das Kind findet sein Bild in einem\n"
      "Raster.\n"
      "\n"
      "Optionen:\n"
      "  --data-dir ORDNER  die Spieler, die Punktzahlen und die gewählte Sprache in\n"
      "                     ORDNER aufbewahren (Vorgabe: $XDG_DATA_HOME/pulsadrome,\n"
      "                     meist ~/.local/share/pulsadrome)\n"
      "  --database URL     mit den Spielern und Punktzahlen eines PostgreSQL-Servers\n"
      "                     spielen, den mehrere Computer teilen (den einer Schule),\n"
      "                     zum Beispiel\n"
      "                     postgresql://server:5432/pulsadrome?user=klasse&password=...\n"
      "  -h, --help         diese Hilfe zeigen und beenden\n"
      "  --tour ORDNER      ein Bild jedes Bildschirms in ORDNER speichern, ohne\n"
      "                     Anzeige\n"
      "  --soundfont DATEI  mit dieser General-MIDI-Klangbank spielen (Vorgabe:\n"
      "                     FluidR3_GM, sonst TimGM6mb)\n"
      "  -v, --version      die Version und die benutzten Bibliotheken zeigen und\n"
      "                     beenden\n"
      "\n"
      "Befehle:\n"
      "  export-picture N --out DATEI.png [--size BxH]\n"
      "                     das Notenbild des Rhythmus N (1 bis 560) als PNG speichern,\n"
      "                     für Arbeitsblätter; die Vorgabegröße ist 932x228 (viermal\n"
      "                     die des Rasters)\n"
      "  export-rhythm N --out DATEI.wav [--tempo T] [--band P]\n"
      "                     den Rhythmus N so, wie er im Spiel klingt (Einzählen, Puls,\n"
      "                     Noten), als WAV-Datei speichern, mit T Viertelnoten pro\n"
      "                     Minute (Vorgabe 100) und Platz P der Instrumentenliste, 0\n"
      "                     bis 43 (Vorgabe 23)\n"
      "  export-answers --out DATEI.csv\n"
      "                     alle Antworten der Spieler in den Niveaus und Spielen\n"
      "                     (Spieler, Datum, Niveau oder Spiel, gehörter und gewählter\n"
      "                     Rhythmus, richtig oder falsch, Antwortzeit, Tempo,\n"
      "                     Instrument) als Tabellendatei speichern, in der Sprache des\n"
      "                     Spiels, mit dem Trennzeichen der Sprache des Computers\n"
      "\n"}},
    {"export_image_illisible",
     {"L'image du rythme %1 ne peut pas être lue.", "The picture of rhythm %1 cannot be read.",
      "No se puede leer la imagen del ritmo %1.", "Não é possível ler a imagem do ritmo %1.",
      "Non è possibile leggere l'immagine del ritmo %1.",
      "Das Bild des Rhythmus %1 kann nicht gelesen werden."}},
    {"export_image_png",
     {"L'image du rythme %1 ne peut pas être mise en PNG.",
      "The picture of rhythm %1 cannot be made into a PNG.",
      "La imagen del ritmo %1 no se puede convertir en PNG.",
      "A imagem do ritmo %1 não pode ser convertida em PNG.",
      "L'immagine del ritmo %1 non può essere convertita in PNG.",
      "Das Bild des Rhythmus %1 kann nicht in ein PNG umgewandelt werden."}},
    {"export_impossible",
     {"Le fichier exporté ne peut pas être écrit. %1", "The exported file cannot be written. %1",
      "No se puede escribir el archivo exportado. %1",
      "Não é possível escrever o ficheiro exportado. %1",
      "Non è possibile scrivere il file esportato. %1",
      "Die exportierte Datei kann nicht geschrieben werden. %1"}},
    {"export_sans_instrument",
     {"Le style n'a pas d'instrument à la place %1 de la liste.",
      "The style has no band at place %1 of the list.",
      "El estilo no tiene instrumento en el lugar %1 de la lista.",
      "O estilo não tem instrumento no lugar %1 da lista.",
      "Lo stile non ha uno strumento al posto %1 dell'elenco.",
      "Der Stil hat kein Instrument an Platz %1 der Liste."}},
    {"export_rythme_injouable",
     {"Le rythme %1 ne peut pas être joué.", "Rhythm %1 cannot be played.",
      "No se puede tocar el ritmo %1.", "Não é possível tocar o ritmo %1.",
      "Non è possibile suonare il ritmo %1.", "Der Rhythmus %1 kann nicht gespielt werden."}},
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
    // The Progress screen and the child's report.
    {"progres", {"Progrès", "Progress", "Progreso", "Progresso", "Progressi", "Fortschritt"}},
    {"progres_temps",
     {"Temps de jeu : %1", "Time played: %1", "Tiempo de juego: %1", "Tempo de jogo: %1",
      "Tempo di gioco: %1", "Spielzeit: %1"}},
    {"progres_rapport",
     {"Rapport PDF", "PDF report", "Informe PDF", "Relatório PDF", "Rapporto PDF", "PDF-Bericht"}},
    {"progres_retour",
     {"Retour au menu", "Back to the menu", "Volver al menú", "Voltar ao menu", "Tornare al menu",
      "Zurück zum Menü"}},
    {"progres_semaines",
     {"Réponses justes par semaine", "Right answers per week", "Respuestas correctas por semana",
      "Respostas certas por semana", "Risposte giuste per settimana",
      "Richtige Antworten pro Woche"}},
    {"progres_aucune_reponse",
     {"Pas encore de réponses.", "No answers yet.", "Todavía no hay respuestas.",
      "Ainda não há respostas.", "Ancora nessuna risposta.", "Noch keine Antworten."}},
    {"progres_niveau", {"Niveau", "Level", "Nivel", "Nível", "Livello", "Niveau"}},
    {"progres_reussi_le",
     {"Réussi le", "Passed on", "Superado el", "Passado em", "Superato il", "Geschafft am"}},
    {"progres_justes", {"Justes", "Right", "Correctas", "Certas", "Giuste", "Richtig"}},
    {"progres_pas_encore",
     {"pas encore", "not yet", "todavía no", "ainda não", "non ancora", "noch nicht"}},
    {"progres_reussi", {"réussi", "passed", "superado", "passado", "superato", "geschafft"}},
    {"progres_confusions",
     {"Les rythmes que je confonds", "The rhythms I mix up", "Los ritmos que confundo",
      "Os ritmos que confundo", "I ritmi che confondo", "Die Rhythmen, die ich verwechsle"}},
    {"progres_aucune_confusion",
     {"Aucun rythme confondu pour l'instant. Bravo !", "No rhythm mixed up so far. Well done!",
      "Ningún ritmo confundido por ahora. ¡Bravo!", "Nenhum ritmo confundido até agora. Bravo!",
      "Nessun ritmo confuso finora. Bravo!", "Bisher kein Rhythmus verwechselt. Bravo!"}},
    {"progres_fois",
     {"Confondus %1 fois", "Mixed up %1 times", "Confundidos %1 veces", "Confundidos %1 vezes",
      "Confusi %1 volte", "%1 Mal verwechselt"}},
    {"progres_ecouter_deux",
     {"Écouter les deux, l'un après l'autre", "Listen to both, one after the other",
      "Escuchar los dos, uno tras otro", "Ouvir os dois, um depois do outro",
      "Ascoltare i due, uno dopo l'altro", "Beide hören, einen nach dem anderen"}},
    {"progres_rapport_titre",
     {"Les progrès de %1", "%1's progress", "Los progresos de %1", "O progresso de %1",
      "I progressi di %1", "Der Fortschritt von %1"}},
    {"progres_rapport_date",
     {"Établi le %1", "Made on %1", "Elaborado el %1", "Elaborado em %1", "Redatto il %1",
      "Erstellt am %1"}},
    {"progres_rapport_ecrit",
     {"Le rapport est enregistré dans %1", "The report is saved in %1",
      "El informe se ha guardado en %1", "O relatório foi guardado em %1",
      "Il rapporto è salvato in %1", "Der Bericht ist gespeichert in %1"}},
    {"progres_rapport_impossible",
     {"Le rapport ne peut pas être écrit. %1", "The report cannot be written. %1",
      "El informe no puede escribirse. %1", "O relatório não pode ser escrito. %1",
      "Il rapporto non può essere scritto. %1", "Der Bericht kann nicht geschrieben werden. %1"}},
    {"rapport_mise_en_page",
     {"Ses pages ne peuvent pas être préparées.", "Its pages cannot be prepared.",
      "No se pueden preparar sus páginas.", "Não é possível preparar as suas páginas.",
      "Non è possibile preparare le sue pagine.", "Seine Seiten können nicht vorbereitet werden."}},
    {"progres_pratiquer",
     {"Travailler mes confusions", "Practise my confusions", "Practicar mis confusiones",
      "Praticar as minhas confusões", "Esercitare le mie confusioni", "Meine Verwechslungen üben"}},
    // The practice level of a child's confusions, and the way back to the class from a child's
    // Progress screen.
    {"pratique_titre", {"ENTRAÎNEMENT", "PRACTICE", "PRÁCTICA", "TREINO", "ESERCIZIO", "ÜBUNG"}},
    {"pratique_reussie",
     {"Bravo ! 1000 points : tu reconnais mieux ces rythmes.",
      "Well done! 1000 points: you tell these rhythms apart better now.",
      "¡Bravo! 1000 puntos: ya distingues mejor estos ritmos.",
      "Bravo! 1000 pontos: já distingues melhor estes ritmos.",
      "Bravo! 1000 punti: ora distingui meglio questi ritmi.",
      "Bravo! 1000 Punkte: Du unterscheidest diese Rhythmen jetzt besser."}},
    {"pratique_finie",
     {"L'entraînement est fini. Recommence quand tu veux !",
      "Practice is over. Try again whenever you like!",
      "El entrenamiento ha terminado. ¡Vuelve a empezar cuando quieras!",
      "O treino acabou. Recomeça quando quiseres!", "L'esercizio è finito. Ricomincia quando vuoi!",
      "Die Übung ist vorbei. Fang wieder an, wann du willst!"}},
    {"progres_retour_classe",
     {"Retour à la classe", "Back to the class", "Volver a la clase", "Voltar à turma",
      "Tornare alla classe", "Zurück zur Klasse"}},
    // The teacher's password, asked on the player choice before the class table.
    {"enseignant", {"Enseignant", "Teacher", "Docente", "Professor", "Insegnante", "Lehrkraft"}},
    {"enseignant_choisir",
     {"Choisissez le mot de passe de l'enseignant :", "Choose the teacher's password:",
      "Elija la contraseña del docente:", "Escolha a senha do professor:",
      "Scelga la chiave di accesso dell'insegnante:", "Wählen Sie das Kennwort der Lehrkraft:"}},
    {"enseignant_confirmer",
     {"Tapez-le une seconde fois :", "Type it a second time:", "Escríbala una segunda vez:",
      "Escreva-a uma segunda vez:", "La scriva una seconda volta:",
      "Geben Sie es ein zweites Mal ein:"}},
    {"enseignant_saisir",
     {"Mot de passe de l'enseignant :", "Teacher's password:", "Contraseña del docente:",
      "Senha do professor:", "Chiave di accesso dell'insegnante:", "Kennwort der Lehrkraft:"}},
    {"enseignant_differents",
     {"Les deux mots de passe sont différents. Tapez le même deux fois.",
      "The two passwords differ. Type the same one twice.",
      "Las dos contraseñas son distintas. Escriba la misma dos veces.",
      "As duas senhas são diferentes. Escreva a mesma duas vezes.",
      "Le due chiavi di accesso sono diverse. Scriva la stessa due volte.",
      "Die beiden Kennwörter sind verschieden. Geben Sie zweimal dasselbe ein."}},
    {"enseignant_vide",
     {"Le mot de passe ne peut pas être vide.", "The password cannot be empty.",
      "La contraseña no puede estar vacía.", "A senha não pode estar vazia.",
      "La chiave di accesso non può essere vuota.", "Das Kennwort darf nicht leer sein."}},
    {"enseignant_abime",
     {"Le fichier du mot de passe de l'enseignant est abîmé : il est gardé à part, sous un autre "
      "nom. Choisissez un nouveau mot de passe. Les joueurs et leurs réponses ne sont pas touchés.",
      "The teacher's password file is damaged: it is kept aside, under another name. Choose a "
      "new password. The players and their answers are not touched.",
      "El archivo de la contraseña del docente está dañado: se guarda aparte, con otro nombre. "
      "Elija una nueva contraseña. Los jugadores y sus respuestas no se tocan.",
      "O ficheiro da senha do professor está danificado: foi guardado à parte, com outro nome. "
      "Escolha uma nova senha. Os jogadores e as suas respostas não são alterados.",
      "Il file della chiave di accesso dell'insegnante è danneggiato: è conservato a parte, con "
      "un altro nome. Scelga una nuova chiave di accesso. I giocatori e le loro risposte non "
      "vengono toccati.",
      "Die Kennwortdatei der Lehrkraft ist beschädigt: Sie wird unter einem anderen Namen "
      "aufbewahrt. Wählen Sie ein neues Kennwort. Die Spieler und ihre Antworten bleiben "
      "unberührt."}},
    {"enseignant_illisible",
     {"Le mot de passe de l'enseignant ne peut pas être lu. %1",
      "The teacher's password cannot be read. %1", "No se puede leer la contraseña del docente. %1",
      "Não é possível ler a senha do professor. %1",
      "Non è possibile leggere la chiave di accesso dell'insegnante. %1",
      "Das Kennwort der Lehrkraft kann nicht gelesen werden. %1"}},
    {"enseignant_impossible",
     {"Le mot de passe de l'enseignant ne peut pas être enregistré. %1",
      "The teacher's password cannot be saved. %1",
      "No se puede guardar la contraseña del docente. %1",
      "Não é possível guardar a senha do professor. %1",
      "Non è possibile salvare la chiave di accesso dell'insegnante. %1",
      "Das Kennwort der Lehrkraft kann nicht gespeichert werden. %1"}},
    // The player choice's list while the players are being read (from a school's server).
    {"joueurs_recherche",
     {"Recherche des joueurs…", "Looking for the players…", "Buscando a los jugadores…",
      "A procurar os jogadores…", "Ricerca dei giocatori…", "Spieler werden gesucht…"}},
    // The school network page of the player choice: where the players are kept.
    {"reseau_ecole",
     {"Réseau de l'école", "School network", "Red de la escuela", "Rede da escola",
      "Rete della scuola", "Schulnetzwerk"}},
    {"reseau_intro",
     {"Tous les ordinateurs de la salle peuvent partager les mêmes joueurs sur un serveur "
      "PostgreSQL.",
      "Every computer of the room can share the same players on a PostgreSQL server.",
      "Todos los ordenadores del aula pueden compartir los mismos jugadores en un servidor "
      "PostgreSQL.",
      "Todos os computadores da sala podem partilhar os mesmos jogadores num servidor PostgreSQL.",
      "Tutti i computer dell'aula possono condividere gli stessi giocatori su un server "
      "PostgreSQL.",
      "Alle Computer des Raums können dieselben Spieler auf einem PostgreSQL-Server teilen."}},
    {"reseau_serveur",
     {"Serveur :", "Server:", "Servidor:", "Nome do servidor:", "Nome del server:", "Servername:"}},
    {"reseau_port", {"Port :", "Port:", "Puerto:", "Porta:", "Porta:", "Portnummer:"}},
    {"reseau_base",
     {"Base de données :", "Database:", "Base de datos:", "Base de dados:", "Database:",
      "Datenbank:"}},
    {"reseau_utilisateur",
     {"Utilisateur :", "User:", "Usuario:", "Utilizador:", "Utente:", "Benutzer:"}},
    {"reseau_mot_de_passe",
     {"Mot de passe :", "Password:", "Contraseña:", "Senha:", "Password:", "Kennwort:"}},
    {"reseau_essayer",
     {"Essayer la connexion", "Test the connection", "Probar la conexión", "Testar a ligação",
      "Provare la connessione", "Verbindung testen"}},
    {"reseau_essai",
     {"Essai du serveur en cours…", "Trying the server…", "Probando el servidor…",
      "A testar o servidor…", "Prova del server in corso…", "Der Server wird getestet …"}},
    {"reseau_pret",
     {"Connexion réussie : les joueurs du serveur sont prêts.",
      "Connected: the server's players are ready.",
      "Conexión correcta: los jugadores del servidor están listos.",
      "Ligação bem-sucedida: os jogadores do servidor estão prontos.",
      "Connessione riuscita: i giocatori del server sono pronti.",
      "Verbunden: Die Spieler des Servers sind bereit."}},
    {"reseau_a_preparer",
     {"Connexion réussie : les tables des joueurs seront créées ou mises à jour sur le serveur à "
      "la première utilisation.",
      "Connected: the players' tables will be made or brought up to date on the server when it is "
      "first used.",
      "Conexión correcta: las tablas de jugadores se crearán o actualizarán en el servidor al "
      "usarlo por primera vez.",
      "Ligação bem-sucedida: as tabelas dos jogadores serão criadas ou atualizadas no servidor na "
      "primeira utilização.",
      "Connessione riuscita: le tabelle dei giocatori saranno create o aggiornate sul server al "
      "primo utilizzo.",
      "Verbunden: Die Spielertabellen werden bei der ersten Nutzung auf dem Server angelegt oder "
      "aktualisiert."}},
    {"reseau_utiliser",
     {"Utiliser ce serveur", "Use this server", "Usar este servidor", "Usar este servidor",
      "Usare questo server", "Diesen Server verwenden"}},
    {"reseau_cet_ordinateur",
     {"Utiliser les joueurs de cet ordinateur", "Use this computer's own players",
      "Usar los jugadores de este ordenador", "Usar os jogadores deste computador",
      "Usare i giocatori di questo computer", "Die Spieler dieses Computers verwenden"}},
    {"reseau_actuel_ordinateur",
     {"En ce moment : les joueurs de cet ordinateur.", "In use now: this computer's own players.",
      "En uso ahora: los jugadores de este ordenador.",
      "Em uso agora: os jogadores deste computador.", "In uso ora: i giocatori di questo computer.",
      "Jetzt in Gebrauch: die Spieler dieses Computers."}},
    {"reseau_actuel_serveur",
     {"En ce moment : les joueurs du serveur %1.", "In use now: the players of the server %1.",
      "En uso ahora: los jugadores del servidor %1.", "Em uso agora: os jogadores do servidor %1.",
      "In uso ora: i giocatori del server %1.", "Jetzt in Gebrauch: die Spieler des Servers %1."}},
    {"reseau_serveur_manquant",
     {"Indiquez le nom ou l'adresse du serveur.", "Type the server's name or address.",
      "Escriba el nombre o la dirección del servidor.", "Escreva o nome ou o endereço do servidor.",
      "Scriva il nome o l'indirizzo del server.",
      "Geben Sie den Namen oder die Adresse des Servers ein."}},
    {"reseau_inutilisable",
     {"Les joueurs de ce serveur ne peuvent pas être ouverts. %1 Les joueurs utilisés jusqu'ici le "
      "restent.",
      "The players of this server cannot be opened. %1 The players used so far stay in use.",
      "No se pueden abrir los jugadores de este servidor. %1 Se siguen usando los jugadores de "
      "hasta ahora.",
      "Não é possível abrir os jogadores deste servidor. %1 Continuam a ser usados os jogadores de "
      "até agora.",
      "Non è possibile aprire i giocatori di questo server. %1 Restano in uso i giocatori usati "
      "finora.",
      "Die Spieler dieses Servers können nicht geöffnet werden. %1 Die bisherigen Spieler bleiben "
      "in Gebrauch."}},
    {"reseau_non_enregistre",
     {"Le choix ne peut pas être enregistré pour les prochains démarrages. %1",
      "The choice cannot be saved for the next starts. %1",
      "No se puede guardar la elección para los próximos inicios. %1",
      "Não é possível guardar a escolha para os próximos arranques. %1",
      "Non è possibile salvare la scelta per i prossimi avvii. %1",
      "Die Wahl kann für die nächsten Starts nicht gespeichert werden. %1"}},
    {"reseau_abime",
     {"Le fichier des réglages du réseau de l'école est abîmé : les joueurs de cet ordinateur sont "
      "utilisés. Le fichier est gardé tel quel ; la page « Réseau de l'école » peut le refaire.",
      "The school network settings file is damaged: this computer's own players are used. The file "
      "is kept as it is; the “School network” page can make it anew.",
      "El archivo de ajustes de la red de la escuela está dañado: se usan los jugadores de este "
      "ordenador. El archivo se conserva tal cual; la página «Red de la escuela» puede rehacerlo.",
      "O ficheiro das definições da rede da escola está danificado: são usados os jogadores deste "
      "computador. O ficheiro fica como está; a página «Rede da escola» pode refazê-lo.",
      "Il file delle impostazioni della rete della scuola è danneggiato: si usano i giocatori di "
      "questo computer. Il file resta com'è; la pagina «Rete della scuola» può rifarlo.",
      "Die Einstellungsdatei des Schulnetzwerks ist beschädigt: Die Spieler dieses Computers "
      "werden verwendet. Die Datei bleibt, wie sie ist; die Seite „Schulnetzwerk“ kann sie neu "
      "anlegen."}},
    {"reseau_illisible",
     {"Le fichier des réglages du réseau de l'école ne peut pas être lu : les joueurs de cet "
      "ordinateur sont utilisés. %1",
      "The school network settings file cannot be read: this computer's own players are used. %1",
      "No se puede leer el archivo de ajustes de la red de la escuela: se usan los jugadores de "
      "este ordenador. %1",
      "Não é possível ler o ficheiro das definições da rede da escola: são usados os jogadores "
      "deste computador. %1",
      "Non è possibile leggere il file delle impostazioni della rete della scuola: si usano i "
      "giocatori di questo computer. %1",
      "Die Einstellungsdatei des Schulnetzwerks kann nicht gelesen werden: Die Spieler dieses "
      "Computers werden verwendet. %1"}},
    {"raison_serveur_sans_base",
     {"Le serveur des joueurs n'a pas de base de données de ce nom.",
      "The players' server has no database of that name.",
      "El servidor de jugadores no tiene ninguna base de datos con ese nombre.",
      "O servidor dos jogadores não tem nenhuma base de dados com esse nome.",
      "Il server dei giocatori non ha un database con questo nome.",
      "Der Spielerserver hat keine Datenbank mit diesem Namen."}},
    {"raison_serveur_plus_recent",
     {"Les joueurs du serveur ont été préparés par une version plus récente de Pulsadrome : "
      "installez-la sur cet ordinateur.",
      "The server's players were prepared by a newer Pulsadrome: install it on this computer.",
      "Los jugadores del servidor fueron preparados por un Pulsadrome más reciente: instálelo en "
      "este ordenador.",
      "Os jogadores do servidor foram preparados por um Pulsadrome mais recente: instale-o neste "
      "computador.",
      "I giocatori del server sono stati preparati da un Pulsadrome più recente: lo installi su "
      "questo computer.",
      "Die Spieler des Servers wurden von einem neueren Pulsadrome vorbereitet: Installieren Sie "
      "es auf diesem Computer."}},
    // The class table for the teacher and its spreadsheet file.
    {"classe_titre", {"La classe", "The class", "La clase", "A turma", "La classe", "Die Klasse"}},
    {"classe_niveaux", {"Niveaux", "Levels", "Niveles", "Níveis", "Livelli", "Niveaus"}},
    {"classe_temps",
     {"Temps de jeu", "Time played", "Tiempo de juego", "Tempo de jogo", "Tempo di gioco",
      "Spielzeit"}},
    {"classe_dernier",
     {"Dernière partie", "Last played", "Última partida", "Último jogo", "Ultima partita",
      "Zuletzt gespielt"}},
    {"classe_reponses",
     {"Réponses", "Answers", "Respuestas", "Respostas", "Risposte", "Antworten"}},
    {"classe_jamais", {"jamais", "never", "nunca", "nunca", "mai", "nie"}},
    {"classe_minutes",
     {"Temps de jeu (min)", "Time played (min)", "Tiempo de juego (min)", "Tempo de jogo (min)",
      "Tempo di gioco (min)", "Spielzeit (Min.)"}},
    {"classe_justes_pourcent",
     {"Justes (%)", "Right (%)", "Correctas (%)", "Certas (%)", "Giuste (%)", "Richtig (%)"}},
    // The teacher's class table while the answers are summed up.
    {"classe_lecture",
     {"Lecture des réponses de la classe…", "Reading the class's answers…",
      "Leyendo las respuestas de la clase…", "A ler as respostas da turma…",
      "Lettura delle risposte della classe…", "Die Antworten der Klasse werden gelesen…"}},
    {"classe_aide",
     {"Un clic sur un titre trie la classe. Un double clic sur un enfant ouvre ses progrès.",
      "Click a heading to sort the class. Double-click a child to open their progress.",
      "Un clic en un título ordena la clase. Un doble clic en un niño abre sus progresos.",
      "Um clique num título ordena a turma. Um duplo clique numa criança abre o seu progresso.",
      "Un clic su un titolo ordina la classe. Un doppio clic su un bambino apre i suoi progressi.",
      "Ein Klick auf eine Überschrift sortiert die Klasse. Ein Doppelklick auf ein Kind öffnet "
      "seinen Fortschritt."}},
    {"classe_ouvrir",
     {"Voir ses progrès", "See the progress", "Ver sus progresos", "Ver o progresso",
      "Vedere i progressi", "Fortschritt ansehen"}},
    {"classe_exporter",
     {"Exporter (CSV)", "Export (CSV)", "Exportar (CSV)", "Exportar (CSV)", "Esportare (CSV)",
      "Exportieren (CSV)"}},
    {"classe_retour",
     {"Retour au choix du joueur", "Back to the player choice", "Volver a la elección del jugador",
      "Voltar à escolha do jogador", "Tornare alla scelta del giocatore",
      "Zurück zur Spielerwahl"}},
    {"classe_aucun",
     {"Aucun joueur pour l'instant.", "No players yet.", "Todavía no hay jugadores.",
      "Ainda não há jogadores.", "Ancora nessun giocatore.", "Noch keine Spieler."}},
    {"classe_ecrit",
     {"Le tableau de la classe est enregistré dans %1", "The class table is saved in %1",
      "La tabla de la clase se ha guardado en %1", "A tabela da turma foi guardada em %1",
      "La tabella della classe è salvata in %1", "Die Klassentabelle ist gespeichert in %1"}},
    {"classe_impossible",
     {"Le tableau de la classe ne peut pas être écrit. %1", "The class table cannot be written. %1",
      "No se puede escribir la tabla de la clase. %1",
      "Não é possível escrever a tabela da turma. %1",
      "Non è possibile scrivere la tabella della classe. %1",
      "Die Klassentabelle kann nicht geschrieben werden. %1"}},
};

} // namespace

std::span<const CaptionRow> sharedCaptionRows() {
    return kSharedRows;
}
std::span<const CaptionRow> extraCaptionRows() {
    return kExtraRows;
}

} // namespace pulsadrome::i18n
