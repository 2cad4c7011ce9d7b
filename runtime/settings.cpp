#include "settings.h"

namespace Settings {

namespace {
QString &testFile()
{
    static QString path;
    return path;
}
} // namespace

std::unique_ptr<QSettings> open()
{
    if (!testFile().isEmpty())
        return std::make_unique<QSettings>(testFile(), QSettings::IniFormat);
    // The organisation is named explicitly: left empty, QSettings would file the
    // settings under "Unknown Organization". It stays empty for the rest of the
    // program so that the data folder is plain $XDG_DATA_HOME/Zelvo.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Zelvo"), QStringLiteral("Zelvo"));
}

void setFileForTesting(const QString &path)
{
    testFile() = path;
}

} // namespace Settings
