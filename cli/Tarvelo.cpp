#include "cli/Tarvelo.h"

#include "cli/Commands.h"
#include "platform/os/Interrupt.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tarvelo::cli {

namespace {

void AddOutputFlags(CLI::App& command, OutputOptions& options, bool json = true) {
    if (json) {
        command.add_flag("--json", options.json, "Print JSON Lines (one object per line) instead of a table");
    }
    command.add_flag("-q,--quiet", options.quiet, "No progress bar");
}

} // namespace

int RunTarvelo(const std::vector<std::string>& args, Console& console) {
    CLI::App app{"Finds and extracts the files stored in Windows NT Backup (.bkf) files, damaged ones too.",
                 "tarvelo"};
    app.set_version_flag("--version", kVersionText);
    app.require_subcommand(1);
    app.fallthrough(false);

    ScanOptions scan;
    CLI::App* scanCommand =
        app.add_subcommand("scan", "Scan a backup file and list every file found, numbered from 1");
    scanCommand->add_option("BACKUP", scan.backup, "Backup file (.bkf)")->required();
    scanCommand->add_option("--snapshot", scan.snapshot, "Also save the scan as a snapshot file");
    AddOutputFlags(*scanCommand, scan);

    ListOptions list;
    CLI::App* listCommand = app.add_subcommand("list", "List the files of a snapshot file");
    listCommand->add_option("SNAPSHOT", list.snapshot, "Snapshot file")->required();
    AddOutputFlags(*listCommand, list);

    SearchOptions search;
    CLI::App* searchCommand =
        app.add_subcommand("search", "List the files of a backup or snapshot whose path matches a pattern");
    searchCommand->add_option("SOURCE", search.source, "Backup file or snapshot file")->required();
    searchCommand
        ->add_option("PATTERN", search.pattern,
                     "Wildcard pattern: * any run of characters, ? one character; without * it matches "
                     "anywhere in the path; case-sensitive")
        ->required();
    AddOutputFlags(*searchCommand, search);

    ExtractOptions extract;
    CLI::App* extractCommand =
        app.add_subcommand("extract", "Write the data of the files of a backup or snapshot below a folder");
    extractCommand->add_option("SOURCE", extract.source, "Backup file or snapshot file")->required();
    extractCommand
        ->add_option("-d,--directory", extract.directory, "Folder to write into (created if missing)")
        ->required();
    extractCommand->add_option("--pattern", extract.pattern,
                               "Only the files whose path matches (as for search)");
    extractCommand->add_flag("--flat", extract.flat,
                             "All files directly in the folder, without the hierarchy");
    extractCommand->add_flag("--preview", extract.preview, "Only the first 5 MiB of each file");
    extractCommand->add_option("--backup", extract.backup, "Backup file to read a snapshot's files from");
    AddOutputFlags(*extractCommand, extract, false);

    CatOptions cat;
    CLI::App* catCommand = app.add_subcommand("cat", "Write the data of one file entry to standard output");
    catCommand->add_option("BACKUP", cat.backup, "Backup file (.bkf)")->required();
    catCommand->add_option("--offset", cat.offset, "Entry offset of the file (as scan lists it)")->required();
    catCommand->add_flag("--preview", cat.preview, "Only the first 5 MiB");

    HeaderOptions header;
    CLI::App* headerCommand =
        app.add_subcommand("header", "Show the Exchange database header fields of a file");
    headerCommand->add_option("FILE", header.file, "Database or streaming file (any file is read)")
        ->required();
    headerCommand->add_flag("--json", header.json, "Print JSON Lines (one object per row)");

    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, console.out, console.err);
        return code == 0 ? kExitSuccess : kExitUsage;
    }

    ScanControl control;
    os::ClearInterrupt();
    os::InstallInterruptHandler(control);
    struct Release {
        ~Release() { os::ReleaseInterruptHandler(); }
    } release;
    if (scanCommand->parsed()) {
        return RunScan(scan, console, control);
    }
    if (listCommand->parsed()) {
        return RunList(list, console, control);
    }
    if (searchCommand->parsed()) {
        return RunSearch(search, console, control);
    }
    if (extractCommand->parsed()) {
        return RunExtract(extract, console, control);
    }
    if (catCommand->parsed()) {
        return RunCat(cat, console, control);
    }
    return RunHeader(header, console);
}

int Fail(Console& console, std::string_view message) {
    console.err << "tarvelo: " << message << '\n' << std::flush;
    return kExitFailure;
}

} // namespace tarvelo::cli
