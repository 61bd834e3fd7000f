#include "platform/FileTypeName.h"

#include "platform/os/ShellFileType.h"

#include <QMimeDatabase>

namespace tarvelo::platform {

namespace {

QString LastComponent(const QString& name) {
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return name.mid(cut + 1);
}

QString ExchangeKind(const QString& lowerExtension) {
    struct Kind {
        const char* extension;
        const char* name;
    };
    static constexpr Kind kKinds[] = {
        {"edb", "Exchange Database File"},        {"stm", "Exchange Streaming Database File"},
        {"log", "Exchange Transaction Log File"}, {"chk", "Exchange Checkpoint File"},
        {"pat", "Exchange Patch File"},
    };
    for (const Kind& kind : kKinds) {
        if (lowerExtension == QLatin1String(kind.extension)) {
            return QString::fromLatin1(kind.name);
        }
    }
    return {};
}

} // namespace

QString FileTypeNameFor(const QString& name) {
    // Windows: the shell knows every registered type; it answers from the name alone.
    if (const auto shell = os::ShellTypeName(name.toStdU16String())) {
        return QString::fromStdU16String(*shell);
    }
    const QString file = LastComponent(name);
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot + 1 >= file.size()) {
        return QStringLiteral("File");
    }
    const QString extension = file.mid(dot + 1);
    if (QString kind = ExchangeKind(extension.toLower()); !kind.isEmpty()) {
        return kind;
    }
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault() && !type.comment().isEmpty()) {
        return type.comment();
    }
    return extension.toUpper() + QStringLiteral(" File");
}

} // namespace tarvelo::platform
