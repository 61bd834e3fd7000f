// bkfgen: writes test backups (demo, random, big), database header images, and damages files.
#include "reader/TextEncoding.h"
#include "tools/bkfgen/BigBackup.h"
#include "tools/bkfgen/Damage.h"
#include "tools/bkfgen/DemoBackup.h"
#include "tools/bkfgen/EseHeaderImage.h"
#include "tools/bkfgen/RandomBackup.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace tarvelo::bkfgen;

constexpr const char* kHelp = R"(bkfgen: writes Microsoft Tape Format test backups and damages files.

Usage:
  bkfgen demo [--list] OUT
      The demo backup: an Exchange storage group in two sets (priv1.edb, priv1.stm, pub1.edb,
      pub1.stm with database headers, E00.chk, E00.log and numbered logs).
  bkfgen random [--seed S] [--files N] [--max-size BYTES] [--plant N] [--damage N]
                [--no-catalogues] [--no-noise] [--list] OUT
      A seeded random backup (same seed, same bytes). --files: file entries (default 40);
      --max-size: data bytes per entry, 0 to this (default 3000); --plant: tags written near the
      edges of 1024-byte windows (default 0); --damage: random damage operations (default 0);
      --no-catalogues: no TFDD catalogues; --no-noise: no FILE/STAN blocks, odd names, unaligned
      blocks or ignored sets.
  bkfgen big [--size SIZE] [--patterned] [--list] OUT
      A backup with small.bin, big.bin (SIZE bytes, default 4G+4096, zeros written as a sparse
      hole unless --patterned) and after.bin, which starts after big.bin's data. SIZE takes the
      suffixes K, M, G (powers of 1024).
  bkfgen header [--stm] [--state N] OUT
      A 668-byte Exchange database header (--stm: streaming-file type; --state: database state,
      default 3, clean shutdown).
  bkfgen damage truncate FILE LENGTH
  bkfgen damage zero FILE OFFSET COUNT
  bkfgen damage flip FILE OFFSET COUNT [MASK]      (XOR with MASK, default 0xFF)
  bkfgen damage flip-random FILE SEED COUNT
  bkfgen damage plant FILE OFFSET TAG [HEX...]     (TAG, then optional bytes in hex, e.g. 01 02)
      Changes FILE in place. Numbers take decimal, 0x hex and the suffixes K, M, G.
  bkfgen --help

--list prints one line per file entry written: tag offset, data offset, data length, display path
(tab-separated, UTF-8).
Exit status: 0 on success, 2 on a usage error, 1 when a file cannot be written.
)";

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::uint64_t ParseNumber(const std::string& text) {
    if (text.empty()) {
        throw UsageError("a number is missing");
    }
    std::size_t used = 0;
    std::uint64_t value = 0;
    try {
        value = std::stoull(text, &used, 0);
    } catch (const std::exception&) {
        throw UsageError("not a number: " + text);
    }
    const std::string suffix = text.substr(used);
    const std::uint64_t scale = suffix.empty()                   ? 1
                                : suffix == "K" || suffix == "k" ? std::uint64_t{1} << 10
                                : suffix == "M" || suffix == "m" ? std::uint64_t{1} << 20
                                : suffix == "G" || suffix == "g" ? std::uint64_t{1} << 30
                                                                 : 0;
    if (scale == 0 || value > UINT64_MAX / scale) {
        throw UsageError("not a number: " + text);
    }
    // "4G+4096": a sum of terms, for sizes just past a boundary.
    return value * scale;
}

std::uint64_t ParseSize(const std::string& text) {
    std::uint64_t total = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = text.find('+', start);
        total +=
            ParseNumber(text.substr(start, plus == std::string::npos ? std::string::npos : plus - start));
        if (plus == std::string::npos) {
            return total;
        }
        start = plus + 1;
    }
}

// Options of the form --name or --name VALUE, and the positional arguments, in order.
struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;

    [[nodiscard]] std::optional<std::string> Value(const std::string& name) const {
        for (const auto& [key, value] : options) {
            if (key == name) {
                return value;
            }
        }
        return std::nullopt;
    }
    [[nodiscard]] bool Flag(const std::string& name) const { return Value(name).has_value(); }
};

Arguments Parse(const std::vector<std::string>& args, const std::vector<std::string>& withValue,
                const std::vector<std::string>& flags) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            parsed.positional.push_back(arg);
        } else if (std::find(withValue.begin(), withValue.end(), arg) != withValue.end()) {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            parsed.options.emplace_back(arg, args[++i]);
        } else if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
            parsed.options.emplace_back(arg, "");
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    return parsed;
}

std::string OnlyOutput(const Arguments& arguments) {
    if (arguments.positional.size() != 1) {
        throw UsageError("give exactly one output file");
    }
    return arguments.positional[0];
}

void List(const BackupLayout& layout) {
    for (const auto& entry : layout.entries) {
        std::cout << entry.offset << '\t' << entry.dataOffset << '\t' << entry.dataLength << '\t'
                  << tarvelo::Utf8FromPath(tarvelo::PathFromUtf16(entry.path)) << '\n';
    }
}

void Finish(const Arguments& arguments, const BackupLayout& layout, const std::string& path) {
    if (arguments.Flag("--list")) {
        List(layout);
    } else {
        std::cerr << "bkfgen: wrote " << path << " (" << layout.size << " bytes, " << layout.entries.size()
                  << " file entries)\n";
    }
}

int Demo(const std::vector<std::string>& args) {
    const Arguments arguments = Parse(args, {}, {"--list"});
    const std::string path = OnlyOutput(arguments);
    FileOutput output(tarvelo::PathFromUtf8(path));
    Finish(arguments, WriteDemoBackup(output), path);
    return 0;
}

int Random(const std::vector<std::string>& args) {
    const Arguments arguments = Parse(args, {"--seed", "--files", "--max-size", "--plant", "--damage"},
                                      {"--no-catalogues", "--no-noise", "--list"});
    const std::string path = OnlyOutput(arguments);
    RandomBackupOptions options;
    options.seed = ParseNumber(arguments.Value("--seed").value_or("1"));
    options.files = static_cast<std::size_t>(ParseNumber(arguments.Value("--files").value_or("40")));
    options.maxDataSize = ParseSize(arguments.Value("--max-size").value_or("3000"));
    options.plantedTags = static_cast<std::size_t>(ParseNumber(arguments.Value("--plant").value_or("0")));
    options.damage = static_cast<std::size_t>(ParseNumber(arguments.Value("--damage").value_or("0")));
    options.catalogues = !arguments.Flag("--no-catalogues");
    options.noise = !arguments.Flag("--no-noise");
    BackupLayout layout;
    const std::string bytes = MakeRandomBackup(options, &layout);
    FileOutput output(tarvelo::PathFromUtf8(path));
    output.Write(bytes);
    output.Finish();
    layout.size = bytes.size();
    Finish(arguments, layout, path);
    return 0;
}

int Big(const std::vector<std::string>& args) {
    const Arguments arguments = Parse(args, {"--size"}, {"--patterned", "--list"});
    const std::string path = OnlyOutput(arguments);
    BigBackupOptions options;
    if (auto size = arguments.Value("--size")) {
        options.bigSize = ParseSize(*size);
    }
    options.patterned = arguments.Flag("--patterned");
    FileOutput output(tarvelo::PathFromUtf8(path));
    Finish(arguments, WriteBigBackup(options, output), path);
    return 0;
}

int Header(const std::vector<std::string>& args) {
    const Arguments arguments = Parse(args, {"--state"}, {"--stm"});
    const std::string path = OnlyOutput(arguments);
    EseHeaderSpec spec;
    spec.fileType = arguments.Flag("--stm") ? 1 : 0;
    spec.state = static_cast<std::uint32_t>(ParseNumber(arguments.Value("--state").value_or("3")));
    FileOutput output(tarvelo::PathFromUtf8(path));
    output.Write(EseHeaderImage(spec));
    output.Finish();
    return 0;
}

std::string HexBytes(const std::vector<std::string>& words) {
    std::string bytes;
    for (const auto& word : words) {
        const std::uint64_t value = std::stoull(word, nullptr, 16);
        if (value > 0xFF) {
            throw UsageError("not a byte: " + word);
        }
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

int DamageCommand(const std::vector<std::string>& args) {
    const Arguments arguments = Parse(args, {}, {});
    const auto& p = arguments.positional;
    if (p.size() < 2) {
        throw UsageError("damage needs an operation and a file");
    }
    const std::string& operation = p[0];
    const auto file = tarvelo::PathFromUtf8(p[1]);
    auto need = [&](std::size_t low, std::size_t high) {
        if (p.size() < low || p.size() > high) {
            throw UsageError("wrong number of arguments for damage " + operation);
        }
    };
    if (operation == "truncate") {
        need(3, 3);
        TruncateFile(file, ParseSize(p[2]));
    } else if (operation == "zero") {
        need(4, 4);
        ZeroFileRange(file, ParseSize(p[2]), ParseSize(p[3]));
    } else if (operation == "flip") {
        need(4, 5);
        const std::uint64_t mask = p.size() == 5 ? ParseNumber(p[4]) : 0xFF;
        FlipFileBytes(file, ParseSize(p[2]), ParseSize(p[3]), static_cast<std::uint8_t>(mask));
    } else if (operation == "flip-random") {
        need(4, 4);
        FlipRandomFileBytes(file, ParseNumber(p[2]), ParseNumber(p[3]));
    } else if (operation == "plant") {
        need(4, SIZE_MAX);
        PlantFileTag(file, ParseSize(p[2]), p[3] + HexBytes({p.begin() + 4, p.end()}));
    } else {
        throw UsageError("unknown damage operation " + operation);
    }
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kHelp;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "demo") {
        return Demo(rest);
    }
    if (command == "random") {
        return Random(rest);
    }
    if (command == "big") {
        return Big(rest);
    }
    if (command == "header") {
        return Header(rest);
    }
    if (command == "damage") {
        return DamageCommand(rest);
    }
    throw UsageError("unknown command " + command);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return Run(args);
    } catch (const UsageError& error) {
        std::cerr << "bkfgen: " << error.what() << "\n(see bkfgen --help)\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "bkfgen: " << error.what() << '\n';
        return 1;
    }
}
