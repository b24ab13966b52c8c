#include "input/valuelists.h"

namespace tarvelo {

namespace {

QStringList Steps(double first, double last, double step) {
    QStringList items;
    for (double v = first; v <= last + step / 2; v += step) items << QString::number(v);
    return items;
}

}  // namespace

const QStringList& RimDiameterItems() {
    static const QStringList items{"10", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
    return items;
}

const QStringList& RimWidthItems() {
    static const QStringList items = Steps(3, 11.5, 0.5);
    return items;
}

const QStringList& TyreWidthItems() {
    static const QStringList items = Steps(135, 295, 10);
    return items;
}

const QStringList& AspectRatioItems() {
    static const QStringList items = Steps(30, 80, 5);
    return items;
}

const QStringList& OffsetDirectionItems() {
    static const QStringList items{QStringLiteral("＋"), QStringLiteral("－"), QStringLiteral("±")};
    return items;
}

}  // namespace tarvelo
