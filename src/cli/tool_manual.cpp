#include "cli/manual.h"
#include "cli/shared_entries.h"

namespace zentrova::cli {

namespace {

std::vector<ManualCommand> Commands() {
  return {
      {"run",
       {"run SESSION [--db DATABASE] [--timeout SECONDS] [--json]"},
       "submit the session's Online Queue headless",
       "Submit the page to every engine of the session's Online Queue, headless, as the "
       "program's online registration does, and write the results into the session file. "
       "The text of each failed submission's reply is kept in the LOG folder of the user's data "
       "folder. One line "
       "per submission is printed as its verdict is recorded: engine, page address, verdict "
       "(successful, failed or timed out) and HTTP status (- when none came), separated by "
       "tabs, and for a request that got no reply at all the browser's reason; then one line per "
       "IndexNow engine: engine, page address, verdict, HTTP status, its meaning in words (or "
       "why nothing was sent) and the number of addresses sent. The IndexNow key file is "
       "checked first; when the check fails the IndexNow engines are failed without being "
       "contacted. On a terminal a progress line under the lines shows the engine being "
       "submitted to (k of n), the time since the start and the successes and failures so "
       "far. Exit status 1 when the session cannot be written or the run ended before its end.",
       {{"--db DATABASE", "The submission database to use instead of the program's own."},
        {"--timeout SECONDS",
         "How long to wait for each engine's reply, 1 to 86400 seconds; 30 by default."},
        {"--json",
         "Print one JSON object per line and submission instead, with the members engine, "
         "address, verdict (successful, failed, or no reply when the run ended first; a "
         "time-out is a failure, as the session records it), http_status (null when none "
         "came), reason (why the verdict; an IndexNow engine's answer in words), started and "
         "finished (the times the session "
         "records, as YYYY-MM-DDThh:mm:ss local time)."}}},
      {"indexnow",
       {"indexnow key", "indexnow check SESSION"},
       "make an IndexNow key or check the session's key file",
       "key prints a new IndexNow key: 32 lowercase hexadecimal digits from the system's "
       "secure random source. check fetches the key file of the session (its IndexNow Key "
       "File, else /KEY.txt on the page's host) and prints its address and found, or the "
       "reason, separated by a tab. Exit status 0 when the file holds the key, 1 when it does "
       "not or cannot be fetched.",
       {}},
      {"report",
       {"report SESSION --db DATABASE [--text | --html | --json] [-o FILE]"},
       "write the session's summary report",
       "Write the session's summary report, as the program's Summary Report writes it right "
       "after opening the session.",
       {{"--db DATABASE", "The submission database the session was run with."},
        {"--text", "Plain text."},
        {"--html", "HTML, the default."},
        {"--json",
         "One JSON object per line for each engine the session holds a result for, with the "
         "members of run --json; http_status and reason are null, the session keeping "
         "neither."},
        {"-o FILE", "Write to FILE instead of standard output."}}},
      {"session",
       {"session export SESSION --db DATABASE [-o FILE]"},
       "write the session's text export",
       "Write the session's text export, as the program's Export Session Data writes it.",
       {{"--db DATABASE", "The submission database to read the session with."},
        {"-o FILE", "Write to FILE instead of standard output."}}},
      {"form",
       {"form SESSION ENGINE --db DATABASE [--deep N]"},
       "print the submission page of one engine",
       "Print the submission page that a run writes into the browser for the engine named "
       "ENGINE.",
       {{"--db DATABASE", "The submission database that holds the engine."},
        {"--deep N",
         "The page for the session's deep-promotion link N instead of the page itself (0, the "
         "default)."}}},
      {"meta",
       {"meta SESSION SOURCE [--new-file NAME]"},
       "write the META copy of an HTML file",
       "Write the META copy of the HTML file SOURCE with the session's META title, "
       "description and keywords, as the program's Generate does.",
       {{"--new-file NAME",
         "The name of the new file, in SOURCE's folder; by default the session's New File with "
         "Meta Tags, as the program shows it right after opening the session."}}},
      {"keywords",
       {"keywords LIMIT K1 K2 K3 K4 K5 K6"},
       "print the keyword text of six phrases",
       "Print the keyword text that the six keyword phrases K1 to K6 give, at most LIMIT "
       "characters long (0 to 32767).",
       {}},
      {"capture",
       {"capture ADDRESS [--source]"},
       "print the draft engine entry of a web page's first form",
       "Load a web page or a local HTML file in the program's own browser, headless, and print "
       "the draft engine entry of its first form, as the browser window's Get Form does.",
       {{"--source",
         "Print the entry as database source that db compile takes, ready to paste into a "
         "database of the user's own."}}},
      {"db",
       {"db compile SOURCE -o FILE", "db dump FILE", "db decompile FILE [-o FILE]"},
       "build or show a submission database",
       "Build a submission database from its readable source, print every record of one, or "
       "write one back as source. A mistake in a source is reported as SOURCE:LINE: message.",
       {{"-o FILE", "The file to write; decompile prints to standard output without it."}}},
      {"strings",
       {"strings compile SOURCE -o FILE", "strings dump FILE"},
       "build or show the string table",
       "Build the string table from its readable source, or print one as source.",
       {{"-o FILE", "The file to write."}}},
  };
}

}  // namespace

const Manual& ToolManual() {
  static const Manual manual = [] {
    Manual m;
    m.program = "zentrova-tool";
    m.summary = "run, inspect and build Zentrova sessions and data from the command line";
    m.synopsis = {"COMMAND [ARGUMENTS]", "COMMAND --help", "--help", "--version"};
    m.description = {
        "zentrova-tool is the companion of zentrova(1). It submits a session's Online Queue "
        "without a window, writes the reports and exports the program writes, and builds the "
        "submission database and the string table from their readable sources. It reads and "
        "writes the same files as the program, so a session run by a timer opens in the "
        "program with its results.",
        "run and capture drive the program's embedded browser headless; they need no display. "
        "run and indexnow check use the network for IndexNow.",
    };
    m.commands = Commands();
    m.optionGroups = {
        {"Options",
         {{"-h, --help", "Print the commands, then exit. After a command: that command's help."},
          {"-v, --version", "Print the program's name and version, then exit."}}},
    };
    m.exitStatus = {
        {"0", "Success."},
        {"1",
         "A file cannot be read or written or is malformed, or a run did not come to its end."},
        {"2", "Bad usage: an unknown command or option, or an argument missing."},
    };
    m.environment = FolderEnvironment();
    m.files = SharedFiles();
    m.examples = {
        {"zentrova-tool run ~/.local/share/zentrova/SESSIONS/site.ses",
         "Submit the session's queue and keep the results in the session."},
        {"zentrova-tool report site.ses --db /usr/share/zentrova/kelvox.dll --text",
         "Print the session's summary report as plain text."},
    };
    m.seeAlso = {"zentrova(1)"};
    return m;
  }();
  return manual;
}

}  // namespace zentrova::cli
