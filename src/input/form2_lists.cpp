#include "input/form2_lists.h"

namespace tarvelo::form2lists {

namespace {

// "3" to "11.5" and the like: the numbers in their shortest decimal form.
QStringList Steps(double first, double last, double step) {
    QStringList items;
    for (double value = first; value <= last + step / 2; value += step) {
        items << QString::number(value, 'g', 6);
    }
    return items;
}

}  // namespace

const QStringList& RimDiameter() {
    // Wheels of 11 inches are not offered.
    static const QStringList items{QStringLiteral("10"), QStringLiteral("12"),
                                   QStringLiteral("13"), QStringLiteral("14"),
                                   QStringLiteral("15"), QStringLiteral("16"),
                                   QStringLiteral("17"), QStringLiteral("18"),
                                   QStringLiteral("19"), QStringLiteral("20")};
    return items;
}

const QStringList& RimWidth() {
    static const QStringList items = Steps(3, 11.5, 0.5);
    return items;
}

const QStringList& TyreWidth() {
    static const QStringList items = Steps(135, 295, 10);
    return items;
}

const QStringList& AspectRatio() {
    static const QStringList items = Steps(30, 80, 5);
    return items;
}

const QStringList& OffsetDirection() {
    static const QStringList items{QStringLiteral("＋"), QStringLiteral("－"),
                                   QStringLiteral("±")};
    return items;
}

}  // namespace tarvelo::form2lists
