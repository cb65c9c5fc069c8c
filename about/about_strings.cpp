// String table of the about library, English, German and French.
#include "about_strings.h"

#include "common/ui_language.h"

namespace {
constexpr grafyon::NumberedString STRINGS[] = {
    {BRISEL_STR_COLUMN_MODULE, "Module", "Modul", "Module"},
    {BRISEL_STR_COLUMN_VERSION, "Version", "Version", "Version"},
    {BRISEL_STR_COLUMN_BUILD, "Build", "Build", "Build"},
    {BRISEL_STR_COLUMN_DATE, "Date", "Datum", "Date"},
    {BRISEL_STR_CAPTION, "Info about %s", "Info über %s", "À propos de %s"},
    {BRISEL_STR_NAME, "About DLL", "About DLL", "About DLL"},
    {BRISEL_STR_COLUMN_OPTION, "Option", "Option", "Option"},
    {BRISEL_STR_COLUMN_STATUS, "Status", "Status", "État"},
    {BRISEL_STR_UNAVAILABLE, "Unavailable", "Nicht verfügbar", "Non disponible"},
    {BRISEL_STR_DISK_FREE, "%llu kByte free on %s", "%llu kByte frei auf %s",
     "%llu koctets libres sur %s"},
    {BRISEL_STR_RAM, "%lu kByte", "%lu kByte", "%lu koctets"},
    {BRISEL_STR_COLUMN_DESCRIPTION, "Description", "Beschreibung", "Description"},
    {BRISEL_STR_MAIL_INIT_FAILED, "An error occured at the initialization of the mail function !",
     "Bei der Initialisierung der Mail-Funktion ist ein Fehler aufgetreten !",
     "Une erreur s'est produite lors de l'initialisation de la fonction de courrier !"},
    {BRISEL_STR_MAIL_SEND_FAILED, "The sending of the mail failed !",
     "Das Versenden der Mail ist fehlgeschlagen !", "L'envoi du courrier a échoué !"},
    {BRISEL_STR_MAIL_NO_RECEIVER, "The sending of the mail failed! There is no target address.",
     "Das Versenden der Mail ist fehlgeschlagen! Es ist keine Zieladresse angegeben.",
     "L'envoi du courrier a échoué ! Il n'y a pas d'adresse de destination."},
    {BRISEL_STR_PAGE_VERSION, "Version", "Version", "Version"},
    {BRISEL_STR_PAGE_OPTIONS, "Options", "Optionen", "Options"},
    {BRISEL_STR_PAGE_SYSTEM, "System", "System", "Système"},
    {BRISEL_STR_PAGE_REPORT, "Report file", "Protokolldatei", "Fichier de rapport"},
    {BRISEL_STR_PAGE_SUPPORT, "Support", "Support", "Assistance"},
    {BRISEL_STR_RAM_LABEL, "RAM:", "Arbeitsspeicher:", "Mémoire vive :"},
    {BRISEL_STR_DISK_LABEL, "Hard disk:", "Festplatte:", "Disque dur :"},
    {BRISEL_STR_REPORT_FILE_LABEL, "Report file:", "Protokolldatei:", "Fichier de rapport :"},
    {BRISEL_STR_RECEIVER_LABEL, "Receiver:", "Empfänger:", "Destinataire :"},
    {BRISEL_STR_PRINT, "&Print", "&Drucken", "&Imprimer"},
    {BRISEL_STR_MAIL, "&Mail", "&Mail", "&Courrier"},
    {BRISEL_STR_PRINT_FAILED,
     "The report could not be printed: the print command \"lp\" could not be started.",
     "Das Protokoll konnte nicht gedruckt werden: Der Druckbefehl \"lp\" lässt sich nicht "
     "starten.",
     "Le rapport n'a pas pu être imprimé : la commande d'impression \"lp\" n'a pas pu être "
     "lancée."},
    {BRISEL_STR_DISTRIBUTOR, "Distributor:", "Vertrieb:", "Distributeur :"},
    {BRISEL_STR_PHONE, "Phone:", "Telefon:", "Téléphone :"},
    {BRISEL_STR_FAX, "Fax:", "Telefax:", "Télécopie :"},
    {BRISEL_STR_INTERNET, "Internet:", "Internet:", "Internet :"},
    {BRISEL_STR_EMAIL, "E-mail:", "E-Mail:", "Courriel :"},
    {BRISEL_STR_MAILBOX, "Mailbox:", "Mailbox:", "Messagerie :"},
    {BRISEL_STR_SUPPORT_ADDRESS, "Support address:", "Support-Adresse:", "Adresse d'assistance :"},
};
}  // namespace

std::string BriselString(int id) {
    return grafyon::LookupString(STRINGS, id, grafyon::ProcessUiLanguage());
}
