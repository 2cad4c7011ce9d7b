#include "fonts.h"

namespace Fonts {

QFont design(const QString &family, qreal points, bool bold, bool italic)
{
    QFont font;
    if (family == QLatin1String("Arial Black")) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        font.setWeight(QFont::Black);
    } else if (family == QLatin1String("Arial")) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
    } else if (family == QLatin1String("Times New Roman")) {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
    } else {
        font.setFamily(family);
        font.setWeight(bold ? QFont::Bold : QFont::Normal);
    }
    font.setPointSizeF(points);
    font.setItalic(italic);
    return font;
}

} // namespace Fonts
