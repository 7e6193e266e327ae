#include "help_text.h"

namespace korvat::cli {
namespace {

constexpr const char* kCommands[] = {"run", "render", "convert", "exports", "help", nullptr};

constexpr const char* kGeneral =
    "korvat runs the Korvat planning library's exports on a workbook file in the headless host.\n"
    "\n"
    "usage:\n"
    "  korvat run WORKBOOK [ACTION]... (-o OUT | --dry-run) [OPTION]...\n"
    "  korvat render WORKBOOK [--sheet CODE_OR_NAME]... [-o OUT.html] [--svg]\n"
    "  korvat convert IN OUT\n"
    "  korvat exports\n"
    "  korvat help [COMMAND]\n"
    "  korvat --version\n"
    "\n"
    "Workbook files are .json, .xlsx or .xlsm, chosen by the extension. 'korvat help COMMAND'\n"
    "describes a command's options; 'korvat exports' lists the exports with their arguments.\n";

constexpr const char* kRun =
    "usage: korvat run WORKBOOK [ACTION]... (-o OUT | --dry-run) [OPTION]...\n"
    "\n"
    "Loads WORKBOOK (a .json, .xlsx or .xlsm workbook file), binds it (kvInit, kvSetWorkBook), carries out the\n"
    "actions in the order given, ends the library (kvQuit) and saves the result as OUT. Every\n"
    "action is checked before any work is done.\n"
    "\n"
    "actions (in the order given):\n"
    "  --call EXPORT[:ARG,ARG...]  call an export ('korvat exports' lists them); an export that\n"
    "                              returns a result prints 'EXPORT returned N'\n"
    "  --select RANGE              select an A1 range of the WBS sheet (8:9, Y12:AA12), as a user's\n"
    "                              click does; raises SelectionChange when events are on\n"
    "  --edit CELL=TEXT            type TEXT into a WBS cell, as a user does: a number text becomes\n"
    "                              a number, an empty TEXT clears the cell; raises Change\n"
    "  --events                    from here on, forward the WBS sheet's Change and SelectionChange\n"
    "                              events to kvWBSEventOnChange and kvWBSEventOnSelectionChange, as\n"
    "                              the workbook's macros do\n"
    "\n"
    "options:\n"
    "  -o OUT             save the result as OUT (the extension chooses the format; what a\n"
    "                     package held beyond the workbook, such as an .xlsm's macros, is kept\n"
    "                     when OUT is a package of the same kind)\n"
    "  --dry-run          do the work and save nothing (without it, run refuses to start\n"
    "                     unless -o is given)\n"
    "  --now TIME         fix the present moment: YYYY-MM-DDTHH:MM, YYYY-MM-DD HH:MM, either\n"
    "                     with :SS, or YYYY-MM-DD (midnight); without it the KORVAT_NOW\n"
    "                     environment variable (same forms), else the system clock\n"
    "  --stats            print, after kvQuit, the host calls made, the sheet events\n"
    "                     forwarded with how deep they nested, and the references still held\n"
    "                     (0 when all were released)\n"
    "  --fail-call K      the K-th host call of the run fails (1 is the first)\n"
    "  --fail-member NAME every call of the member NAME fails (may be repeated)\n"
    "  --fail-kind KIND   how those calls fail: exception (the host's error, the default),\n"
    "                     member (no such member) or memory (the host runs out of memory)\n"
    "\n"
    "Message boxes the library shows are printed as 'Korvatplan: TEXT' on standard error and\n"
    "answered OK.\n"
    "\n"
    "exit status: 0 success; 1 bad usage, an unreadable workbook or a failed save; 3 the run\n"
    "succeeded and the library showed at least one message box.\n";

constexpr const char* kRender =
    "usage: korvat render WORKBOOK [--sheet CODE_OR_NAME]... [-o OUT.html] [--svg]\n"
    "\n"
    "Draws the workbook's sheets as the host would show them, as one self-contained page.\n"
    "\n"
    "  --sheet CODE_OR_NAME  draw this sheet (a code name such as wsWBS, or a sheet name); may be\n"
    "                        repeated; without it every visible worksheet is drawn\n"
    "  -o OUT                the page to write (default: WORKBOOK with .html, or .svg)\n"
    "  --svg                 write one sheet (give exactly one --sheet) as a standalone SVG\n"
    "\n"
    "exit status: 0 success; 1 bad usage, an unreadable workbook or a failed write.\n";

constexpr const char* kConvert =
    "usage: korvat convert IN OUT\n"
    "\n"
    "Loads the workbook file IN and saves it as OUT in the format OUT's extension names (.json,\n"
    ".xlsx or .xlsm), keeping what the input package held beyond the workbook where OUT can hold\n"
    "it (an .xlsm's macro project is left out of an .xlsx). Nothing is written when IN cannot be\n"
    "read.\n"
    "\n"
    "exit status: 0 success; 1 bad usage, an unreadable workbook or a failed save.\n";

constexpr const char* kExports =
    "usage: korvat exports\n"
    "\n"
    "Lists every export korvat run can call, with the arguments --call takes and what it does.\n";

constexpr const char* kHelp =
    "usage: korvat help [COMMAND]\n"
    "\n"
    "Describes every command, or the options of one.\n";

}  // namespace

std::string GeneralHelp() { return kGeneral; }

std::string CommandHelp(std::string_view command) {
  if (command == "run") return kRun;
  if (command == "render") return kRender;
  if (command == "convert") return kConvert;
  if (command == "exports") return kExports;
  if (command == "help") return kHelp;
  return {};
}

const char* const* CommandNames() { return kCommands; }

}  // namespace korvat::cli
