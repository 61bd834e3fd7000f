// seed_corpus <fuzzer-name> <dir>: writes a few small generated inputs for one fuzz target into dir,
// so fuzzing starts from real backup structure instead of from nothing. Unknown names get no seeds.
#include "reader/MtfReader.h"
#include "recovery/SnapshotFormat.h"
#include "tools/bkfgen/BackupWriter.h"
#include "tools/bkfgen/Damage.h"
#include "tools/bkfgen/EseHeaderImage.h"
#include "tools/bkfgen/RandomBackup.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tarvelo::bkfgen;

using Seeds = std::vector<std::pair<std::string, std::string>>;

// A backup small enough for a fuzzer: one set, a catalogue, a FILE block, a few entries.
std::string SmallBackup(BackupLayout* layout) {
    std::string bytes;
    StringOutput output(bytes);
    BackupWriter writer(output);
    writer.Tape({});
    SetSpec set;
    set.name = u"Full";
    writer.StartSet(set);
    writer.Volume({});
    DirectorySpec data;
    data.components = {u"Data", u"Logs"};
    writer.Directory(data);
    writer.FileEntry(u"priv1.edb", FileData::Literal(EseHeaderImage({})));
    writer.FileEntry(u"E00.log", FileData::Patterned(700, 1));
    writer.MtfFile(u"noise.txt", FileData::Patterned(100, 2));
    writer.FileEntryRaw(std::string("odd", 3), FileData::Literal(""));
    writer.EndSet();
    writer.SetCatalogue();
    writer.Finish();
    if (layout != nullptr) {
        *layout = BackupLayout{writer.Entries(), writer.Position()};
    }
    return bytes;
}

std::string RandomSeed(std::uint64_t seed, std::size_t planted, std::size_t damage) {
    RandomBackupOptions options;
    options.seed = seed;
    options.files = 6;
    options.maxDataSize = 600;
    options.plantedTags = planted;
    options.damage = damage;
    return MakeRandomBackup(options);
}

Seeds ScanSeeds() {
    std::string truncated = SmallBackup(nullptr);
    Truncate(truncated, truncated.size() / 2 + 7);
    return {{"small.bkf", SmallBackup(nullptr)},
            {"truncated.bkf", truncated},
            {"random1.bkf", RandomSeed(1, 0, 0)},
            {"random2-planted.bkf", RandomSeed(2, 6, 0)},
            {"random3-damaged.bkf", RandomSeed(3, 2, 3)}};
}

std::string CatalogueStream(const std::vector<CatalogueEntry>& entries) {
    std::string bytes;
    StringOutput output(bytes);
    BackupWriter writer(output);
    writer.Catalogue(entries);
    return bytes;
}

Seeds CatalogueSeeds() {
    const CatalogueEntry volume{"VOLB", std::string("C\0:\0", 4), 3, 0, 1};
    const CatalogueEntry directory{"DIRB", std::string("D\0a\0t\0a\0\0\0", 10), 4, 0, 1};
    const CatalogueEntry file{"ETED", std::string("a\0.\0t\0x\0t\0", 10), 5, 100, 1};
    const CatalogueEntry mtfFile{"FILE", std::string("b\0", 2), 6, 10, 1};
    return {{"full.tfdd", CatalogueStream({volume, directory, file, file})},
            {"mtf-files.tfdd", CatalogueStream({volume, directory, mtfFile})},
            {"fend-first.tfdd", CatalogueStream({})},
            {"long-name.tfdd", CatalogueStream({{"DIRB", std::string(990, 'x'), 4, 0, 1}})}};
}

// The extraction target takes its entry offset from the first two bytes and its preview flag from
// the third; the backup follows them.
Seeds ExtractSeeds() {
    BackupLayout layout;
    const std::string backup = SmallBackup(&layout);
    Seeds seeds;
    for (std::size_t i = 0; i < layout.entries.size(); ++i) {
        const std::uint64_t offset = layout.entries[i].offset + 3;
        std::string input;
        input.push_back(static_cast<char>(offset & 0xFF));
        input.push_back(static_cast<char>(offset >> 8 & 0xFF));
        input.push_back(static_cast<char>(i % 2));
        seeds.emplace_back("entry" + std::to_string(i) + ".bin", input + backup);
    }
    return seeds;
}

Seeds DatabaseHeaderSeeds() {
    EseHeaderSpec streaming;
    streaming.fileType = 1;
    streaming.state = 2;
    streaming.computerName = u"SERVER7";
    return {{"edb-clean.hdr", EseHeaderImage({})},
            {"stm-dirty.hdr", EseHeaderImage(streaming)},
            {"short.hdr", EseHeaderImage({}).substr(0, 100)},
            {"page.hdr", EsePageImage({})}};
}

// The records a scan of the small backup produces, as a record file holds them.
std::string ScannedRecords() {
    class Records final : public tarvelo::ScanSink {
    public:
        void FileFound(std::unique_ptr<tarvelo::FileRecord> record) override {
            const auto& raw = record->Raw();
            bytes.append(reinterpret_cast<const char*>(raw.data()), raw.size());
        }
        void Progress(std::unique_ptr<tarvelo::ProgressRecord>) override {}
        std::string bytes;
    };
    const std::string backup = SmallBackup(nullptr);
    tarvelo::ScanControl control;
    control.running = 1;
    Records sink;
    tarvelo::MtfReader reader(control, sink);
    const auto* data = reinterpret_cast<const std::uint8_t*>(backup.data());
    static_cast<void>(reader.Scan(
        std::make_unique<tarvelo::MemoryByteSource>(std::span<const std::uint8_t>(data, backup.size()))));
    return sink.bytes;
}

// The snapshot target puts a valid signature field in front of the input when its first byte is odd,
// so the seeds are that byte, the path field and the records.
Seeds SnapshotSeeds() {
    const auto header = tarvelo::snapshot::BuildHeader(u"C:\\Backups\\Full.bkf");
    if (!header) {
        return {};
    }
    std::string start(1, '\x01');
    start.append(reinterpret_cast<const char*>(header->data()) + tarvelo::snapshot::kSignatureFieldSize,
                 tarvelo::snapshot::kPathFieldSize);
    const std::string records = ScannedRecords();
    return {{"empty.snap", start},
            {"records.snap", start + records},
            {"partial-record.snap", start + records.substr(0, records.size() - 100)},
            {"unterminated-path.snap",
             std::string(1, '\x01') + std::string(tarvelo::snapshot::kPathFieldSize, 'p')}};
}

// Mark-up as the message box builds it, plus the rest of the vocabulary, in UTF-16LE.
Seeds MarkupSeeds() {
    const auto utf16 = [](std::string_view text) {
        std::string bytes;
        for (const char c : text) {
            bytes.push_back(c);
            bytes.push_back('\0');
        }
        return bytes;
    };
    return {{"box.mu", utf16("<table><tr><td><icon handle=0x1A2B></td><td>Failed to open the file<br>"
                             "C:\\Backups\\a&amp;b.bkf</td></tr></table>")},
            {"styles.mu", utf16("<p align=right><b>bold</b> <i>it</i> <u>u</u> <s>s</s> <font color=#ff0000 "
                                "size=+2 face=Verdana>red</font><t><a href=\"x\">link</a><hr></p>")},
            {"entities.mu", utf16("&lt;&gt;&quot;&nbsp;&copy;&#65;&#x42;&unknown;&amp")},
            {"sheet.mu", utf16("body { font-family: Verdana; font-size: 10pt; color: black; }"
                               " .c { text-align: center }")},
            {"broken.mu", utf16("<table <tr><td><<b></i>&#xFFFFFFFFFF;<font color=>")}};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: seed_corpus <fuzzer-name> <dir>\n";
        return 2;
    }
    const std::string name = argv[1];
    const std::filesystem::path dir = argv[2];
    Seeds seeds;
    if (name == "fuzz_scan") {
        seeds = ScanSeeds();
    } else if (name == "fuzz_catalogue") {
        seeds = CatalogueSeeds();
    } else if (name == "fuzz_extract") {
        seeds = ExtractSeeds();
    } else if (name == "fuzz_dbheader") {
        seeds = DatabaseHeaderSeeds();
    } else if (name == "fuzz_snapshot") {
        seeds = SnapshotSeeds();
    } else if (name == "fuzz_markup") {
        seeds = MarkupSeeds();
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const auto& [file, bytes] : seeds) {
        std::ofstream out(dir / ("seed-" + file), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "seed_corpus: cannot write " << (dir / ("seed-" + file)).string() << '\n';
            return 1;
        }
    }
    return 0;
}
