#include "views/figures.h"

#include <QCoreApplication>

#include "archive/dir_node.h"

#include <QLocale>

namespace vorn {
namespace {

const QLocale& FigureLocale()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

}  // namespace

QString GroupedNumber(std::uint64_t value)
{
    return FigureLocale().toString(static_cast<qulonglong>(value));
}

QString ByteSize(std::uint64_t bytes)
{
    if (bytes < 1024)
        return CountedBytes(bytes);
    return FigureLocale().formattedDataSize(static_cast<qint64>(bytes), 1);
}

QString Counted(std::uint64_t count, const char* singular, const char* plural)
{
    return GroupedNumber(count) + QLatin1Char(' ') +
           QCoreApplication::translate("Counted", count == 1 ? singular : plural);
}

QString CountedFiles(std::uint64_t count)
{
    return Counted(count, QT_TRANSLATE_NOOP("Counted", "file"), QT_TRANSLATE_NOOP("Counted", "files"));
}

QString CountedBytes(std::uint64_t count)
{
    return Counted(count, QT_TRANSLATE_NOOP("Counted", "byte"), QT_TRANSLATE_NOOP("Counted", "bytes"));
}

QString ByteCountText(std::uint64_t bytes)
{
    const QString exact = CountedBytes(bytes);
    return bytes < 1024 ? exact : QStringLiteral("%1 (%2)").arg(ByteSize(bytes), exact);
}

QString FolderPathText(const CDirNode* folder)
{
    return folder ? QString::fromStdString(folder->GetPath()).mid(1) : QString();
}

}  // namespace vorn
