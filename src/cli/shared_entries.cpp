#include "cli/shared_entries.h"

namespace zentrova::cli {

std::vector<ManualEntry> FolderEnvironment() {
  return {
      {"ZENTROVA_HOME",
       "The user's data folder: sessions, result pages, the batch list, and a submission "
       "database of the user's own. When it is unset, $XDG_DATA_HOME/zentrova is used, and "
       "~/.local/share/zentrova when that is unset too."},
      {"ZENTROVA_DATA",
       "The installation's read-only data folder. By default it is share/zentrova beside the "
       "folder of the executable, /usr/share/zentrova for the Debian package."},
      {"XDG_DATA_HOME", "Where the user's data folder lies when ZENTROVA_HOME is unset."},
      {"XDG_CONFIG_HOME", "Where the settings file lies; ~/.config when unset."},
      {"QTWEBENGINE_DISABLE_SANDBOX",
       "Set to 1 to run the embedded browser without its sandbox. It is set for you when the "
       "program runs as root, where the sandbox refuses to start."},
  };
}

std::vector<ManualEntry> SharedFiles() {
  return {
      {"~/.local/share/zentrova/",
       "The user's data folder (see ZENTROVA_HOME): LOG/ holds the result page of every engine "
       "and the reports, SESSIONS/ the sessions, batch.lst the session batch list."},
      {"~/.local/share/zentrova/kelvox.dll",
       "A submission database of the user's own, loaded instead of the installed one."},
      {"~/.config/Zentrova/Zentrova.conf", "The program's settings."},
      {"/usr/share/zentrova/kelvox.dll", "The installed submission database."},
      {"/usr/share/zentrova/strings.tbl", "The installed string table."},
      {"/usr/share/zentrova/defaults.ini",
       "What the installation provides when the user's settings lack a key."},
  };
}

}  // namespace zentrova::cli
