#include "cli/manual.h"
#include "cli/shared_entries.h"

namespace zentrova::cli {

const Manual& ProgramManual() {
  static const Manual manual = [] {
    Manual m;
    m.program = "zentrova";
    m.summary = "submit a web page to search engines and directories";
    m.synopsis = {"[QT-OPTIONS]", "--help", "--version"};
    m.description = {
        "Zentrova promotes one web page. A session describes the page: its address, title, "
        "description and keyword phrases, the owner's contact details and, for every engine "
        "that asks for one, the category under which the page should be listed. The engines "
        "marked into the Online Queue are then submitted to one after another: the program "
        "writes each engine's own form into its embedded browser, submits it, judges the reply "
        "against the engine's success marker and keeps the text of each failed reply in the "
        "LOG folder.",
        "The main window leads through eight pages, from the start page to the reports. It also "
        "writes META tags for the page, promotes the deeper pages of a site, and runs a batch "
        "of sessions one after another. The program takes no file to open: it starts with the "
        "session that was open when it ended last.",
        "zentrova-tool(1) does the same work without a window, for scripts and timers.",
    };
    m.optionGroups = {
        {"Options",
         {{"-h, --help", "Print the options and the environment variables, then exit."},
          {"-v, --version", "Print the program's name and version, then exit."}}},
        {"Qt options",
         {{"-platform NAME", "The windowing system plug-in: xcb, wayland, offscreen."},
          {"-display DISPLAY", "The X display to open (xcb only)."},
          {"-geometry GEOMETRY", "The main window's position and size, as WIDTHxHEIGHT+X+Y."},
          {"-style STYLE", "The widget style, for example Fusion."},
          {"-stylesheet FILE", "A Qt style sheet applied to every window."},
          {"-reverse", "Lay out every window from right to left."},
          {"-qwindowtitle TITLE", "The title of the first window."},
          {"-qwindowicon FILE", "The icon of every window instead of the program's own."},
          {"-platformtheme NAME", "The platform theme plug-in."}}},
    };
    m.exitStatus = {
        {"0", "The program ended through its exit command, or printed its help or version."},
        {"1",
         "The program ended during start-up, for example because its submission database is "
         "missing or damaged."},
    };
    m.environment = FolderEnvironment();
    m.environment.push_back(
        {"QT_QPA_PLATFORM", "The windowing system plug-in, as -platform sets it."});
    m.environment.push_back(
        {"QT_SCALE_FACTOR", "Scales every window, for example 1.5 on a dense screen."});
    m.files = SharedFiles();
    m.files.push_back({"/usr/share/applications/org.zentrova.Zentrova.desktop",
                       "The program's entry in the desktop's menu."});
    m.seeAlso = {"zentrova-tool(1)"};
    return m;
  }();
  return manual;
}

}  // namespace zentrova::cli
