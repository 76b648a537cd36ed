#include "installer/MessageTable.h"

namespace turnpixa::setup {

namespace {

const char* const kNames[kLanguageCount] = {"English", "Français", "Deutsch",
                                            "Русский", "Italiano", "España"};

// One row per message, one column per language.
const char* const kTexts[kMessageCount][kLanguageCount] = {
    {"Installing", "Installation", "Installationsvorgang läuft", "Происходит установка",
     "Installazione di", "Instalación"},
    {"Cancel", "Annuler", "Abbrechen", "Отменить", "Annulla", "Anular"},
    {"Installation", "Installation", "Installation", "Установка", "Installazione", "Instalación"},
    {"<< Back", "<< Retour", "<< Zurück", "Вернуться", "<< Indietro", "<< Regreso"},
    {"Install >>", "Installer >>", "Installieren >>", "Установить", "Installa >>", "Instalar >>"},
    {"Finish", "Terminer", "Fertigstellen", "Готово", "Finire", "Terminar"},
    {"Next >>", "Suivant >>", "Weiter >>", "Продолжить", "Avanti >>", "Siguiente >>"},
    {"Change", "Changer", "Ändern", "изменить", "Cambiare", "Cambiar"},
    {"Ready to Install %s", "Prêt à installer %s", "Die Installation von %s kann beginnen",
     "Все готово к установке %s", "Il programma d'installazione è pronto per installare %s",
     "Listo para instalar %s"},
    {"Install to :", "Installer vers :", "Ziel verzeichnis :", "установить в :",
     "Cartella di destinazione :", "Instalar hacia carpeta :"},
    {"Free Disk Space", "Espace libre sur disque dur", "Verfügbarer Festplattenplatz",
     "доступно на диске", "Spazio libero disponibile sul disco fisso", "Espacio libre en el disco"},
    {"Disk Space Required", "Espace libre requis sur disque dur", "Benötigter Festplattenplatz",
     "требуется на диске", "Spazio libero richiesto sul disco fisso", "Espacio libre requerido"},
    {"License Terms and Conditions", "Termes de la licence et conditions",
     "Lizenzvereinbarung und Nutzungsbedingungen", "лицензионные термины и условия",
     "Condizioni e termini del contratto di licenza", "Términos de la licencia y condiciones"},
    {"Installation Completed", "Installation terminé", "Installation beendet",
     "установка завершена", "Installazione completata", "Instalación terminada"},
    {"This installation file appears to be corrupted, please obtain a new copy. Continue with "
     "the installation? (Not recommended)",
     "paraitCe fichier d'installation paraît corrompue, obtenez en une nouvelle copie. "
     "Continuer avec celle-ci ? (Pas recommandé)",
     "Das Installationsarchiv scheint defekt zu sein. Bitte besorgen Sie sich eine intakte "
     "Kopie. Installation fortsetzen? (Nicht empfohlen!)",
     "Возникли проблемы при установке, пожалуйста, замените установочный файл на новый. "
     "Продолжить установку? (не рекомендуется)",
     "Questo programma d'installazione è danneggiato. È necessario ottenere una nuova copia. Si "
     "desidera continuare? (Scelta non raccomandata)",
     "Esta instalación parece corrupta, obtenga una nueva copia. Continuar con ésta? (No "
     "recomendado)"},
    {"Cannot install '%s', disk may be full.",
     "Installation de '%s' n'est pas possible, le disque pourrait être plein.",
     "Die Installation von '%s' kann nicht durchgeführt werden. Möglicherweise ist nicht genug "
     "freier Platz auf der Festplatte",
     "невозможно установить '%s', диск заполнен.",
     "Impossibile installare '%s'. Lo spazio su disco potrebbe essere insufficiente.",
     "Instalación imposible  '%s', el disco puede estar lleno"},
    {"This installation file is corrupted, please obtain a new copy.",
     "Ce fichier d'installation est corrompu, obtenez en une nouvelle copie.",
     "Das Installationsarchiv ist defekt. Bitte besorgen Sie sich eine intakte Kopie.",
     "Установочный файл поврежден. Пожалуйста, замените его на новый.",
     "Questo programma d'installazione è danneggiato. È necessario ottenere una nuova copia.",
     "Esta instalación  es corrupta, obtenga une nueva copia."},
    {"Cancel Installation?", "Annuler l'installation ?", "Installation abbrechen?",
     "Прервать установку?", "Si desidera interrompere l'installazione?", "Anular la instalación?"},
    {"Installation was cancelled and is incomplete.",
     "L'installation a été annulée et est incomplète.",
     "Die Installation wurde abgebrochen und ist unvollständig!",
     "Установка была прервана и не завершилась",
     "L'installazione è stata interrotta e risulta pertanto incompleta.",
     "La instalación ha sido anulada y está incompleta."},
    {"Please indicate a valid installation folder", "Svp, indiquez un répertoire valide",
     "Bitte geben Sie ein gültiges Ziel-verzeichnis an",
     "Пожалуйста, укажите правильное расположение установочного файла",
     "Scegliere una cartella di destinazione valida", "Por favor indique una carpeta válida"},
    {"This installation file appears to be corrupted. Error whilst installing '%s'",
     "Ce fichier d'installation paraît corrompu. Erreur durant l'installation de '%s'",
     "Das Installationsarchiv scheint defekt zu sein. Während der Installation von '%s' ist ein "
     "Fehler aufgetreten",
     "Возникла проблема при установке. Код ошибки '%s'",
     "Questo programma d'installazione è danneggiato. Errore durante l'installazione di '%s'",
     "Esta instalación parece corrupta, Error durante l'instalación de '%s'"},
    {"Error whilst running '%s'", "Erreur durant l'exécution de '%s'",
     "Beim Ausführen von '%s' ist ein Fehler aufgetreten", "Ошибка '%s' при выполнении",
     "Errore durante l'esecuzione di '%s'", "Error durante la ejecución de '%s'"},
    {"Brisk Installer Language :", "Brisk Installer Langue :", "Brisk Installer Sprache :",
     "Brisk Installer Язык :", "Brisk Installer Lingua :", "Brisk Installer Idioma :"},
    {"The installation is now complete. Review the actions below before clicking on Finish:",
     "Installation terminé e. Vérifiez le compte rendu des actions avant de sortir:",
     "Installation beendet. Bitte prüfen Sie die untenstehenden Aktionen:",
     "Установка завершена. Перед тем, как нажать 'Готово', посмотрите действия:",
     "Installazione completata. Verificare le operazioni effettuate prima di uscire dal "
     "programma:",
     "Instalación terminada. Revisar el estado de las acciones antes de salir:"},
    {"Create icon", "Créer un icône", "Ikon erstellen", "Создать иконку", "Crea icona",
     "Crear un ícono"},
    {"Run program", "Lancer le programme", "Programm ausführen", "Запустить программу",
     "Esegui il programma", "Lanzar el programa"},
    {"Reboot", "Redémarrer", "Neustart des Rechners", "Перезагрузка", "Riavvia", "Reiniciar"},
    {"Complete the installation by rebooting the computer.",
     "Terminez l'installation en redémarrant l'ordinateur",
     "Schließen Sie den Installationsvorgang ab, indem Sie einen Neustart des Rechners "
     "durchführen",
     "Установка будет завершена после перезагрузки",
     "Per terminare l'installazione è necessario riavviare il sistema.",
     "Finalizar la instalación volviendo a iniciar el computador (a)."},
    {"Select Installation Folder...", "Sélectionnez le répertoire d'installation...",
     "Wählen Sie das Installationsverzeichnis...", "Select Installation Folder...",
     "Selezionare la cartella di destinazione...", "Seleccione carpeta de destinación..."},
};

}  // namespace

const char* languageName(int language) {
    return language >= 0 && language < kLanguageCount ? kNames[language] : kNames[0];
}

std::string message(int n, int language) {
    if (n < 0 || n >= kMessageCount) return {};
    if (language < 0 || language >= kLanguageCount) language = 0;
    return kTexts[n][language];
}

int languageForLocale(const std::string& locale) {
    const std::string lang = locale.substr(0, locale.find_first_of("_.@"));
    if (lang == "de") return 2;
    if (lang == "es") return 5;
    if (lang == "fr") return 1;
    if (lang == "it") return 4;
    // The languages the system's primary ids 0x05, 0x15, 0x19, 0x22, 0x23 name.
    if (lang == "cs" || lang == "pl" || lang == "ru" || lang == "uk" || lang == "be") return 3;
    return 0;
}

}  // namespace turnpixa::setup
