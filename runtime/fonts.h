#pragma once

#include <QFont>
#include <QStringList>

namespace Fonts {

// The windows name Windows fonts. Liberation Sans and Serif stand in for Arial
// and Times New Roman with the same metrics, so texts keep their designed
// widths; Arial Black, which has no free twin, becomes the heaviest Liberation
// Sans, since its weight is what the design relies on.
QFont design(const QString &family, qreal points, bool bold = false, bool italic = false);

} // namespace Fonts
