#include "platform/FileTypeName.h"
#include "platform/MessageBoxStyles.h"
#include "platform/Settings.h"
#include "platform/ShellIcons.h"
#include "platform/UserQuestions.h"
#include "platform/WebPage.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>

namespace tarvelo::platform {
namespace {

TEST(UserQuestions, ScriptedServiceAnswersInOrderAndRecordsEveryQuestion) {
    ScriptedQuestions script;
    ScopedQuestions scope(script);
    script.ScriptButton(IDYES);
    script.ScriptPath(QStringLiteral("/data/a.bkf"));
    EXPECT_EQ(PlainMessageBox(nullptr, QStringLiteral("Proceed?"), QStringLiteral("Cap"),
                              MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(OpenFileName(nullptr, QStringLiteral("Open"), QStringLiteral("Backup (*.bkf)")),
              QStringLiteral("/data/a.bkf"));
    EXPECT_EQ(FolderName(nullptr, QStringLiteral("Where")), QString()) << "empty script cancels";
    EXPECT_EQ(PlainMessageBox(nullptr, QStringLiteral("x"), QStringLiteral("c"), MB_OK), IDCANCEL);

    ASSERT_EQ(script.Asked().size(), 4);
    const Question& first = script.Asked()[0];
    EXPECT_EQ(first.kind, Question::Kind::PlainMessage);
    EXPECT_EQ(first.text, QStringLiteral("Proceed?"));
    EXPECT_EQ(first.caption, QStringLiteral("Cap"));
    EXPECT_EQ(first.style, 0x24u);
    EXPECT_EQ(script.Asked()[1].filter, QStringLiteral("Backup (*.bkf)"));
    EXPECT_EQ(script.Asked()[2].kind, Question::Kind::Folder);
}

TEST(UserQuestions, ScriptedAppMessageNeverShowsTheRealBox) {
    ScriptedQuestions script;
    ScopedQuestions scope(script);
    bool shown = false;
    Question q;
    q.show = [&] {
        shown = true;
        return IDOK;
    };
    script.ScriptButton(IDNO);
    EXPECT_EQ(Questions().Ask(q).button, IDNO);
    EXPECT_FALSE(shown);
}

TEST(Settings, ApplicationLookIsStoredUnderTheWorkspaceSection) {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuorinTarvelo20"),
              QStringLiteral("Quorin Tarvelo v20.0"))
        .clear();
    EXPECT_EQ(ReadApplicationLook(217), 217u);
    WriteApplicationLook(212);
    EXPECT_EQ(ReadApplicationLook(217), 212u);
    const QSettings raw(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QuorinTarvelo20"),
                        QStringLiteral("Quorin Tarvelo v20.0"));
    EXPECT_EQ(raw.value(QStringLiteral("Workspace/ApplicationLook")).toUInt(), 212u);
    EXPECT_TRUE(SettingsLocation().contains(QStringLiteral("QuorinTarvelo20")));
}

TEST(FileTypeName, ExchangeKindsThenMimeDescriptionThenExtensionFallback) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"priv1.edb", "Exchange Database File"},
        {"C:\\data\\PRIV1.STM", "Exchange Streaming Database File"},
        {"E00.log", "Exchange Transaction Log File"},
        {"E00.chk", "Exchange Checkpoint File"},
        {"res1.pat", "Exchange Patch File"},
        {"Set 1\\folder.v1\\file.qqzz", "QQZZ File"},
        {"README", "File"},
        {"trailing.", "File"},
        {"dir.d\\noext", "File"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileTypeNameFor(QString::fromUtf8(c.name)), QString::fromUtf8(c.expected)) << c.name;
    }
    // Known extensions get the MIME database's description, whatever its language.
    const QString text = FileTypeNameFor(QStringLiteral("notes.txt"));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_NE(text, QStringLiteral("TXT File"));
}

TEST(ShellIcons, EveryNameGetsAnIcon) {
    EXPECT_FALSE(SmallIconForName(QStringLiteral("a.edb")).isNull());
    EXPECT_FALSE(SmallIconForName(QStringLiteral("noext")).isNull());
    EXPECT_FALSE(FolderIcon().isNull());
}

TEST(WebPage, ReplacedOpenerReceivesTheAddress) {
    QStringList opened;
    const WebPageOpener previous = SetWebPageOpener([&](const QString& url) { opened << url; });
    OpenWebPage(QStringLiteral("https://example.org/"));
    SetWebPageOpener(previous);
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://example.org/")});
}

} // namespace
} // namespace tarvelo::platform
