// Draws every picture the program embeds, at its exact size.
//
//   drawpictures <out-folder> <icon-file>
//
// Each picture is written as <number>.gif.png or <number>.jpg.png; draw.sh turns them into
// GIF89a and baseline JPEG. The program icon goes to <icon-file>.
// Small Japanese is drawn without antialiasing so that it stays sharp after the
// conversion to a 256-colour GIF.

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The default window colour of the Qt widgets: GIF pictures sit on it.
const QColor kWindow(239, 239, 239);
// The splash window's colour.
const QColor kSplash(239, 187, 141);
const QColor kInk(32, 32, 32);
const QColor kHeadingInk(0, 40, 128);
const QColor kStandardBlue(0, 70, 200);
const QColor kViewerRed(210, 0, 0);

QString g_out;

// Headings keep their window-coloured ground, which hides the frame's border under them;
// the other GIF pictures let the window show through wherever they are not drawn on.
enum class Kind { Gif, ClearGif, Jpeg };

QImage Canvas(int w, int h, const QColor& bg) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(bg);
    return image;
}

QImage WithClearGround(const QImage& image) {
    QImage clear = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = kWindow.rgb();
    for (int y = 0; y < clear.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x)
            if (line[x] == ground) line[x] = qRgba(0, 0, 0, 0);
    }
    return clear;
}

void Save(const QImage& drawn, int number, Kind kind) {
    const QImage image = kind == Kind::ClearGif ? WithClearGround(drawn) : drawn;
    // draw.sh turns <number>.gif.png into GIF89a and <number>.jpg.png into baseline JPEG
    const QString path = QStringLiteral("%1/%2.%3.png")
                             .arg(g_out)
                             .arg(number)
                             .arg(kind == Kind::Jpeg ? QStringLiteral("jpg") : QStringLiteral("gif"));
    QImageWriter writer(path);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        std::exit(1);
    }
}

QFont Gothic(int px, bool bold = false, bool smooth = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(px);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

QFont FixedGothic(int px, bool smooth = false) {
    QFont font = Gothic(px, false, smooth);
    font.setFamily(QStringLiteral("IPAGothic"));
    return font;
}

QFont Latin(int px, bool bold, bool italic, bool smooth = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(px);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

void Crisp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

// ---------------------------------------------------------------- the tyre mark

// A tyre with tread blocks, a light rim and a hub with five bolts.
void DrawTyreMark(QPainter& p, QPointF c, double r) {
    p.save();
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(c, r, r);
    // tread blocks: light notches around the edge
    p.setPen(QPen(QColor(120, 120, 120), qMax(1.0, r / 9.0)));
    const int blocks = r > 10 ? 16 : 10;
    for (int i = 0; i < blocks; ++i) {
        const double a = 2.0 * M_PI * i / blocks;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * (r * 0.80), c + dir * (r * 0.97));
    }
    p.setPen(Qt::NoPen);
    QRadialGradient rim(c, r * 0.62, c - QPointF(r * 0.2, r * 0.2));
    rim.setColorAt(0, QColor(250, 250, 250));
    rim.setColorAt(1, QColor(150, 155, 165));
    p.setBrush(rim);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    p.setBrush(QColor(90, 95, 105));
    p.drawEllipse(c, r * 0.24, r * 0.24);
    p.setBrush(QColor(60, 64, 72));
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + 2.0 * M_PI * i / 5;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r * 0.40), r * 0.07 + 0.4,
                      r * 0.07 + 0.4);
    }
    p.restore();
}

void DrawIcon(const QString& path) {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    DrawTyreMark(p, QPointF(16, 16), 15.5);
    p.end();
    if (!icon.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---------------------------------------------------------------- texts

// Draws text into the picture's height, centred vertically, from the left edge x.
void Line(QPainter& p, int x, int y, int h, const QString& text, const QFont& font,
          const QColor& ink) {
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(x, y, 10000, h), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A heading that sits on a frame's top border: dark blue on the window colour.
void Heading(int number, int w, int h, const QString& text, int px) {
    QImage image = Canvas(w, h, kWindow);
    QPainter p(&image);
    Crisp(p);
    Line(p, 2, 0, h, text, Gothic(px, false), kHeadingInk);
    p.end();
    Save(image, number, Kind::Gif);
}

// "Tarvelo 2005" followed by the edition word in its colour, as large as fits.
void Banner(int number, int w, int h, const QString& edition, const QColor& editionInk,
            Kind kind) {
    QImage image = Canvas(w, h, kWindow);
    QPainter p(&image);
    Smooth(p);
    const QString name = QStringLiteral("Tarvelo 2005 ");
    int px = h - 8;
    QFont font = Latin(px, true, true);
    auto width = [&](const QFont& f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(name) + m.horizontalAdvance(edition);
    };
    while (width(font) > w - 8) font = Latin(--px, true, true);
    const QFontMetrics m(font);
    const int x0 = (w - width(font)) / 2;
    const int base = (h + m.ascent() - m.descent()) / 2 - 1;
    QPainterPath path;
    path.addText(x0, base, font, name);
    QPainterPath word;
    word.addText(x0 + m.horizontalAdvance(name), base, font, edition);
    // soft shadow, then the letters with a light top edge
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 190));
    p.drawPath(path.translated(1.5, 1.5));
    p.drawPath(word.translated(1.5, 1.5));
    QLinearGradient dark(0, base - m.ascent(), 0, base);
    dark.setColorAt(0, QColor(90, 90, 90));
    dark.setColorAt(1, QColor(10, 10, 10));
    p.setBrush(dark);
    p.drawPath(path);
    QLinearGradient coloured(0, base - m.ascent(), 0, base);
    coloured.setColorAt(0, editionInk.lighter(150));
    coloured.setColorAt(1, editionInk.darker(115));
    p.setBrush(coloured);
    p.drawPath(word);
    // a thin rule under the name
    p.setPen(QPen(editionInk, 1));
    p.drawLine(QPointF(x0 + 2, h - 3.5), QPointF(w - x0 - 2, h - 3.5));
    p.end();
    Save(image, number, kind);
}

// The splash banner: large letters with a vertical gradient on the splash colour.
void SplashBanner() {
    const int w = 449, h = 52;
    QImage image = Canvas(w, h, kSplash);
    QPainter p(&image);
    Smooth(p);
    const QString name = QStringLiteral("Tarvelo 2005 ");
    const QString edition = QStringLiteral("Standard");
    int px = 44;
    QFont font = Latin(px, true, true);
    auto width = [&](const QFont& f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(name) + m.horizontalAdvance(edition);
    };
    while (width(font) > w - 10) font = Latin(--px, true, true);
    const QFontMetrics m(font);
    const int x0 = (w - width(font)) / 2;
    const int base = (h + m.ascent() - m.descent()) / 2;
    QPainterPath path;
    path.addText(x0, base, font, name);
    QPainterPath word;
    word.addText(x0 + m.horizontalAdvance(name), base, font, edition);
    const double top = base - m.ascent() + 6;
    p.setBrush(QColor(180, 120, 75));
    p.setPen(Qt::NoPen);
    p.drawPath(path.translated(2, 2));
    p.drawPath(word.translated(2, 2));
    QLinearGradient brown(0, top, 0, base);
    brown.setColorAt(0, QColor(255, 250, 240));
    brown.setColorAt(0.45, QColor(150, 70, 20));
    brown.setColorAt(1, QColor(60, 25, 5));
    p.setBrush(brown);
    p.setPen(QPen(QColor(70, 30, 10), 0.8));
    p.drawPath(path);
    QLinearGradient blue(0, top, 0, base);
    blue.setColorAt(0, QColor(220, 235, 255));
    blue.setColorAt(0.45, QColor(30, 100, 230));
    blue.setColorAt(1, QColor(0, 20, 120));
    p.setBrush(blue);
    p.setPen(QPen(QColor(0, 20, 110), 0.8));
    p.drawPath(word);
    p.end();
    Save(image, 117, Kind::Jpeg);
}

// The maker's logo: the tyre mark and the project's name as a word mark.
void Logo(int number, int w, int h, const QColor& bg, Kind kind) {
    QImage image = Canvas(w, h, bg);
    QPainter p(&image);
    const double r = (h - 3) / 2.0;
    DrawTyreMark(p, QPointF(r + 1.5, h / 2.0), r);
    const int x = qRound(2 * r + 5);
    int px = h - 8;
    auto wordMark = [](int size) {
        QFont f = Latin(size, true, true);
        f.setFamily(QStringLiteral("DejaVu Sans Condensed"));
        return f;
    };
    QFont font = wordMark(px);
    while (QFontMetrics(font).horizontalAdvance(QStringLiteral("Tarvelo Project")) > w - x - 1)
        font = wordMark(--px);
    Smooth(p);
    const QFontMetrics m(font);
    const int base = (h + m.ascent() - m.descent()) / 2;
    QPainterPath first;
    first.addText(x, base, font, QStringLiteral("Tarvelo"));
    QPainterPath second;
    second.addText(x + m.horizontalAdvance(QStringLiteral("Tarvelo ")), base, font,
                   QStringLiteral("Project"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawPath(first);
    p.setBrush(QColor(0, 90, 60));
    p.drawPath(second);
    p.end();
    Save(image, number, kind);
}

// The maker's name in plain letters.
void MakerName(int number, int w, int h, const QColor& bg, Kind kind) {
    QImage image = Canvas(w, h, bg);
    QPainter p(&image);
    Crisp(p);
    Line(p, 1, 0, h, QStringLiteral("Tarvelo Project"), Latin(h - 3, true, false, false), kInk);
    p.end();
    Save(image, number, kind);
}

void RightsNotice(int number, const QString& product) {
    const int w = 290, h = 24;
    QImage image = Canvas(w, h, kWindow);
    QPainter p(&image);
    Crisp(p);
    const QString first = product + QStringLiteral("  Copyright (C) 2005 Tarvelo Project");
    const QString second = QStringLiteral("All Rights Reserved.  無断複製・転載を禁じます。");
    int px = 12;
    QFont font = Gothic(px);
    while (QFontMetrics(font).horizontalAdvance(first) > w - 2) font = Gothic(--px);
    Line(p, 1, 0, 12, first, font, kInk);
    Line(p, 1, 12, 12, second, font, kInk);
    p.end();
    Save(image, number, Kind::ClearGif);
}

void OptionLabel(int number, int w, const QString& text) {
    const int h = 12;
    QImage image = Canvas(w, h, kWindow);
    QPainter p(&image);
    Crisp(p);
    Line(p, 0, 0, h, text, Gothic(12), Qt::black);
    p.end();
    Save(image, number, Kind::ClearGif);
}

// ---------------------------------------------------------------- usage notes

struct Run {
    QString text;
    QColor ink;
};

// Lays out coloured runs into lines of the given width; a line never starts with a
// closing mark, and Latin words stay whole.
void DrawWrapped(QPainter& p, const std::vector<Run>& runs, const QFont& font, int x, int firstX,
                 int y, int right, int lineHeight, int* endY) {
    const QFontMetrics m(font);
    p.setFont(font);
    const QString noStart = QStringLiteral("。、）」．，・");
    struct Piece {
        QString text;
        QColor ink;
    };
    std::vector<Piece> pieces;
    for (const Run& run : runs) {
        int i = 0;
        while (i < run.text.size()) {
            int j = i + 1;
            if (run.text[i].unicode() < 0x80 && run.text[i] != u' ') {
                while (j < run.text.size() && run.text[j].unicode() < 0x80 && run.text[j] != u' ')
                    ++j;
            }
            pieces.push_back({run.text.mid(i, j - i), run.ink});
            i = j;
        }
    }
    int cx = firstX;
    int cy = y;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const Piece& piece = pieces[k];
        const int adv = m.horizontalAdvance(piece.text);
        const bool closing = noStart.contains(piece.text);
        if (cx + adv > right && !closing && cx > x) {
            cx = x;
            cy += lineHeight;
            if (piece.text == QStringLiteral(" ")) continue;
        }
        p.setPen(piece.ink);
        p.drawText(cx, cy + m.ascent(), piece.text);
        cx += adv;
    }
    *endY = cy + lineHeight;
}

void UsageNotes() {
    const int w = 337, h = 123;
    QImage image = Canvas(w, h, kWindow);
    QPainter p(&image);
    Crisp(p);
    const QFont heading = Gothic(12);
    p.setFont(heading);
    p.setPen(kHeadingInk);
    p.drawText(QRect(0, 0, w, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("【ご利用になる際の注意点】"));
    const QFont body = Gothic(11);
    const QFontMetrics m(body);
    const int lineHeight = 13;
    const int indent = m.horizontalAdvance(QStringLiteral("(1) "));
    const QColor red(220, 0, 0);
    const std::vector<std::vector<Run>> points = {
        {{QStringLiteral("Tarvelo 2005"), red},
         {QStringLiteral(" はホイール変更の基本項目を確認します。ボルト穴数・リム形状・P.C.Dは"
                         "変更前後で同じものとしています。"),
          kInk}},
        {{QStringLiteral("変更後のクリアランスはフェンダー端とタイヤ側面の実測距離から算出します。"
                         "他の測り方（例：フェンダー端～リム）では、結果が多少異なる場合があります。"),
          kInk}},
        {{QStringLiteral("結果は入力値による計算値であり、実際の装着状態とは多少異なる場合があります。"),
          kInk}},
    };
    int y = 17;
    for (size_t i = 0; i < points.size(); ++i) {
        p.setFont(body);
        p.setPen(kInk);
        p.drawText(2, y + m.ascent(), QStringLiteral("(%1)").arg(i + 1));
        DrawWrapped(p, points[i], body, 2 + indent, 2 + indent, y, w - 2, lineHeight, &y);
        y += 1;
    }
    p.end();
    if (y > h + 1) std::fprintf(stderr, "172: notes run over by %d pixels\n", y - h);
    Save(image, 172, Kind::ClearGif);
}

// ---------------------------------------------------------------- strips

void Strip(int number, const QColor& dark, const QColor& light) {
    const int w = 50, h = 225;
    QImage image = Canvas(w, h, light);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, dark);
    g.setColorAt(1, light);
    p.fillRect(image.rect(), g);
    // a tread pattern running down the strip
    QColor tread = Qt::white;
    tread.setAlpha(45);
    p.setPen(QPen(tread, 4));
    for (int y = -20; y < h + 20; y += 14) {
        p.drawLine(QPointF(6, y + 10), QPointF(25, y));
        p.drawLine(QPointF(25, y), QPointF(44, y + 10));
    }
    DrawTyreMark(p, QPointF(25, h - 27), 17);
    p.end();
    Save(image, number, Kind::Jpeg);
}

// ---------------------------------------------------------------- figures

const QColor kFigureInk(0, 0, 0);
const QColor kDimension(0, 60, 200);
const QColor kMark(200, 0, 0);

// A dimension line between a and b with arrows at both ends.
void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.save();
    Smooth(p);
    p.setPen(QPen(kDimension, 1));
    p.setBrush(kDimension);
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    for (const auto& [tip, dir] : {std::pair{a, -u}, std::pair{b, u}}) {
        const QPointF base = tip - dir * 4.0;
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({tip, base + n * 2.0, base - n * 2.0}));
    }
    p.restore();
}

void Label(QPainter& p, QRectF r, const QString& text, const QFont& font, const QColor& ink,
           Qt::Alignment align = Qt::AlignCenter) {
    p.save();
    Crisp(p);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, align, text);
    p.restore();
}

// A leader from a label to the part it names, with a dot on the part.
void Leader(QPainter& p, QPointF from, QPointF to) {
    p.save();
    Smooth(p);
    p.setPen(QPen(kFigureInk, 1));
    p.drawLine(from, to);
    p.setBrush(kFigureInk);
    p.drawEllipse(to, 1.5, 1.5);
    p.restore();
}

void Frame(QPainter& p, int w, int h) {
    p.save();
    Crisp(p);
    p.setPen(QColor(150, 150, 150));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    p.restore();
}

// "18 × 7 J +35 5 - 114.3" with the marks ① to ⑥ under its parts.
void WheelSizeFigure() {
    const int w = 155, h = 26;
    QImage image = Canvas(w, h, Qt::white);
    QPainter p(&image);
    Crisp(p);
    const QFont text = Latin(11, true, false, false);
    const QFont marks = FixedGothic(11);
    const QFontMetrics tm(text);
    struct Part {
        QString text;
        int mark;  // 0: no mark
    };
    const std::vector<Part> parts = {
        {QStringLiteral("18"), 1},   {QStringLiteral("×"), 0}, {QStringLiteral("7"), 2},
        {QStringLiteral("J"), 3},    {QStringLiteral("+35"), 4}, {QStringLiteral("5"), 5},
        {QStringLiteral("-"), 0},    {QStringLiteral("114.3"), 6},
    };
    const int gap = 4;
    // a part narrower than its mark gets the mark's width, so that marks never touch
    auto room = [&](const Part& part) {
        const int adv = tm.horizontalAdvance(part.text);
        return part.mark > 0 ? qMax(adv, 12) : adv;
    };
    int total = 0;
    for (const Part& part : parts) total += room(part) + gap;
    total -= gap;
    int x = (w - total) / 2;
    const QString circled = QStringLiteral("①②③④⑤⑥");
    for (const Part& part : parts) {
        const int adv = room(part);
        Label(p, QRectF(x, 0, adv, 13), part.text, text, kFigureInk);
        if (part.mark > 0)
            Label(p, QRectF(x + adv / 2.0 - 8, 13, 16, 13), circled.mid(part.mark - 1, 1), marks,
                  kMark);
        x += adv + gap;
    }
    p.end();
    Save(image, 162, Kind::Jpeg);
}

// "205 / 65 R15 94H" with the marks ① to ④ under its parts.
void TyreSizeFigure() {
    const int w = 150, h = 35;
    QImage image = Canvas(w, h, Qt::white);
    QPainter p(&image);
    Crisp(p);
    const QFont text = Latin(15, true, false, false);
    const QFont marks = FixedGothic(12);
    const QFontMetrics tm(text);
    struct Part {
        QString text;
        int mark;
    };
    const std::vector<Part> parts = {
        {QStringLiteral("205"), 1}, {QStringLiteral("/"), 0},   {QStringLiteral("65"), 2},
        {QStringLiteral("R15"), 3}, {QStringLiteral("94H"), 4},
    };
    const int gap = 6;
    int total = 0;
    for (const Part& part : parts) total += tm.horizontalAdvance(part.text) + gap;
    total -= gap;
    int x = (w - total) / 2;
    const QString circled = QStringLiteral("①②③④");
    for (const Part& part : parts) {
        const int adv = tm.horizontalAdvance(part.text);
        Label(p, QRectF(x, 1, adv, 18), part.text, text, kFigureInk);
        if (part.mark > 0) {
            // a bracket under the part, then its mark
            p.setPen(QPen(kMark, 1));
            p.drawLine(x, 19, x, 21);
            p.drawLine(x, 21, x + adv - 1, 21);
            p.drawLine(x + adv - 1, 19, x + adv - 1, 21);
            p.drawLine(x + adv / 2, 21, x + adv / 2, 22);
            Label(p, QRectF(x + adv / 2.0 - 9, 22, 18, 13), circled.mid(part.mark - 1, 1), marks,
                  kMark);
        }
        x += adv + gap;
    }
    p.end();
    Save(image, 119, Kind::Jpeg);
}

// Figure A: the wheel cut through its axle, inner side on the left.
void FigureA() {
    const int w = 152, h = 142;
    QImage image = Canvas(w, h, Qt::white);
    QPainter p(&image);
    Smooth(p);
    const QFont small = Gothic(10);
    const QFont letters = Latin(10, true, false, false);
    const double left = 38, right = 106;    // bead seats: W between the flanges
    const double top = 36, bottom = 106;    // rim diameter H between the seats
    const double axle = (top + bottom) / 2;  // 71
    const double centre = (left + right) / 2;  // rim centre line, 72
    const double face = 83;                    // mounting face, outside of the centre
    const QColor metal(120, 125, 135);
    const QColor edge(30, 30, 30);

    // rim: barrel with a drop well and a flange at each end, drawn for top and bottom
    auto rimHalf = [&](double seat, double dir) {
        QPainterPath rim;
        rim.moveTo(left - 6, seat - dir * 11);
        rim.quadTo(left - 1, seat - dir * 11, left, seat - dir * 5);
        rim.lineTo(left, seat);
        rim.lineTo(left + 12, seat);
        rim.lineTo(left + 16, seat + dir * 7);
        rim.lineTo(left + 30, seat + dir * 7);
        rim.lineTo(left + 34, seat);
        rim.lineTo(right, seat);
        rim.lineTo(right, seat - dir * 5);
        rim.quadTo(right + 1, seat - dir * 11, right + 6, seat - dir * 11);
        p.setPen(QPen(metal, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rim);
        p.setPen(QPen(edge, 0.8));
        p.drawPath(rim);
        // the disc from the rim down to the hub: its inner face is the mounting face
        QPainterPath disc;
        disc.moveTo(face + 8, seat + dir * 1.5);
        disc.quadTo(face + 4, seat + dir * 10, face, seat + dir * 14);
        disc.lineTo(face, axle - dir * 6);
        disc.lineTo(face + 5, axle - dir * 6);
        disc.lineTo(face + 5, seat + dir * 16);
        disc.quadTo(face + 10, seat + dir * 10, face + 13, seat + dir * 1.5);
        disc.closeSubpath();
        p.setBrush(metal);
        p.setPen(QPen(edge, 0.8));
        p.drawPath(disc);
        // bolt hole through the disc
        const double bolt = axle - dir * 18;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(face - 0.5, bolt - 2.5, 6.5, 5));
        p.setPen(QPen(edge, 0.6, Qt::DashDotLine));
        p.drawLine(QPointF(face - 4, bolt), QPointF(face + 9, bolt));
    };
    rimHalf(top, 1);
    rimHalf(bottom, -1);

    // centre lines: the axle and the rim centre
    p.setPen(QPen(QColor(100, 100, 100), 0.7, Qt::DashDotLine));
    p.drawLine(QPointF(28, axle), QPointF(124, axle));
    p.drawLine(QPointF(centre, 14), QPointF(centre, 124));

    // W over the rim, between the flanges
    p.setPen(QPen(kDimension, 0.7));
    p.drawLine(QPointF(left, top - 12), QPointF(left, 10));
    p.drawLine(QPointF(right, top - 12), QPointF(right, 10));
    Dimension(p, QPointF(left, 13), QPointF(right, 13));
    Label(p, QRectF(centre - 12, 1, 10, 11), QStringLiteral("W"), letters, kDimension);

    // H on the left, between the bead seats
    p.setPen(QPen(kDimension, 0.7));
    p.drawLine(QPointF(left - 3, top), QPointF(10, top));
    p.drawLine(QPointF(left - 3, bottom), QPointF(10, bottom));
    Dimension(p, QPointF(14, top), QPointF(14, bottom));
    Label(p, QRectF(2, axle - 16, 10, 11), QStringLiteral("H"), letters, kDimension);

    // P.C.D between the bolt holes, right of the disc
    const double boltTop = axle - 18, boltBottom = axle + 18;
    p.setPen(QPen(kDimension, 0.7));
    p.drawLine(QPointF(face + 10, boltTop), QPointF(face + 16, boltTop));
    p.drawLine(QPointF(face + 10, boltBottom), QPointF(face + 16, boltBottom));
    Dimension(p, QPointF(face + 14, boltTop), QPointF(face + 14, boltBottom));
    Label(p, QRectF(face + 17, axle - 13, 40, 11), QStringLiteral("P.C.D"), letters, kDimension,
          Qt::AlignLeft | Qt::AlignVCenter);

    // Wa: from the rim centre to the mounting face, under the axle
    const double waY = axle + 19;
    p.setPen(QPen(kDimension, 0.7));
    p.drawLine(QPointF(face, axle + 8), QPointF(face, waY + 3));
    Dimension(p, QPointF(centre, waY), QPointF(face, waY));
    Label(p, QRectF(centre - 20, waY - 6, 17, 11), QStringLiteral("Wa"), letters, kDimension,
          Qt::AlignRight | Qt::AlignVCenter);

    // names of the parts
    Label(p, QRectF(left + 2, axle - 30, 44, 12), QStringLiteral("取付座面"), small, kFigureInk,
          Qt::AlignLeft | Qt::AlignVCenter);
    Leader(p, QPointF(left + 40, axle - 22), QPointF(face, axle - 10));
    Label(p, QRectF(48, 129, 54, 12), QStringLiteral("フランジ部"), small, kFigureInk,
          Qt::AlignLeft | Qt::AlignVCenter);
    Leader(p, QPointF(99, 131), QPointF(right + 3, bottom + 9));

    // sides
    Label(p, QRectF(3, 127, 30, 13), QStringLiteral("内側"), Gothic(11), kMark,
          Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, QRectF(w - 33, 127, 30, 13), QStringLiteral("外側"), Gothic(11), kMark,
          Qt::AlignRight | Qt::AlignVCenter);
    Frame(p, w, h);
    p.end();
    Save(image, 163, Kind::Jpeg);
}

// Figure B: the upper half of the wheel under the fender, cut through the axle and seen
// from the front, inner side on the left.
void FigureB() {
    const int w = 152, h = 154;
    QImage image = Canvas(w, h, Qt::white);
    QPainter p(&image);
    Smooth(p);
    const QFont small = Gothic(10);
    const QFont letters = Latin(10, true, false, false);
    const QColor body(170, 190, 215);
    const QColor rubber(60, 60, 60);
    const QColor metal(120, 125, 135);
    const QColor edge(30, 30, 30);

    // the fender: the body panel over the wheel, its edge bending down on the outer side
    const double edgeX = 124;  // outermost line of the fender edge
    QPainterPath fender;
    fender.moveTo(0, 18);
    fender.lineTo(edgeX - 8, 18);
    fender.quadTo(edgeX, 18, edgeX, 26);
    fender.lineTo(edgeX, 52);
    fender.lineTo(edgeX - 5, 52);
    fender.lineTo(edgeX - 5, 29);
    fender.quadTo(edgeX - 5, 25, edgeX - 9, 25);
    fender.lineTo(0, 25);
    fender.closeSubpath();
    p.setBrush(body);
    p.setPen(QPen(edge, 1));
    p.drawPath(fender);

    // the tyre's section: tread on top, side walls bulging out, beads on the rim flanges
    const double innerWall = 30, outerWall = 108, tread = 38, bead = 86;
    const double rimIn = 40, rimOut = 98;  // outer faces of the rim flanges
    QPainterPath tyre;
    tyre.moveTo(rimIn + 1, bead);
    tyre.cubicTo(innerWall - 4, bead - 8, innerWall - 2, tread, innerWall + 14, tread);
    tyre.lineTo(outerWall - 14, tread);
    tyre.cubicTo(outerWall + 2, tread, outerWall + 4, bead - 8, rimOut - 1, bead);
    tyre.lineTo(rimOut - 7, bead - 3);
    tyre.cubicTo(outerWall - 6, bead - 14, outerWall - 6, tread + 7, outerWall - 18, tread + 7);
    tyre.lineTo(innerWall + 18, tread + 7);
    tyre.cubicTo(innerWall + 6, tread + 7, innerWall + 6, bead - 14, rimIn + 7, bead - 3);
    tyre.closeSubpath();
    p.setBrush(rubber);
    p.setPen(QPen(edge, 1));
    p.drawPath(tyre);
    // tread grooves
    p.setPen(QPen(Qt::white, 1.2));
    for (double x = innerWall + 16; x < outerWall - 12; x += 12)
        p.drawLine(QPointF(x, tread + 0.5), QPointF(x, tread + 4));

    // the rim between the beads and the disc down to the hub
    QPainterPath rim;
    rim.moveTo(rimIn - 3, bead - 8);
    rim.lineTo(rimIn, bead - 6);
    rim.lineTo(rimIn, bead + 4);
    rim.lineTo(rimIn + 14, bead + 4);
    rim.lineTo(rimIn + 18, bead + 12);
    rim.lineTo(rimIn + 30, bead + 12);
    rim.lineTo(rimIn + 34, bead + 4);
    rim.lineTo(rimOut, bead + 4);
    rim.lineTo(rimOut, bead - 6);
    rim.lineTo(rimOut + 3, bead - 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(metal, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(rim);
    const double axle = 146;
    QPainterPath disc;
    disc.moveTo(rimOut - 12, bead + 5);
    disc.quadTo(rimOut - 16, bead + 16, rimOut - 20, bead + 22);
    disc.lineTo(rimOut - 20, axle - 8);
    disc.lineTo(rimOut - 15, axle - 8);
    disc.lineTo(rimOut - 15, bead + 24);
    disc.quadTo(rimOut - 10, bead + 16, rimOut - 6, bead + 5);
    disc.closeSubpath();
    p.setBrush(metal);
    p.setPen(QPen(edge, 0.8));
    p.drawPath(disc);
    p.setPen(QPen(QColor(100, 100, 100), 0.7, Qt::DashDotLine));
    p.drawLine(QPointF(36, axle), QPointF(116, axle));

    // L1: the fender edge to the tyre's side wall; L2: the fender edge to the rim
    p.setPen(QPen(kDimension, 0.7, Qt::DashLine));
    p.drawLine(QPointF(edgeX, 53), QPointF(edgeX, 112));
    const double l1 = 60, l2 = 104;
    p.setPen(QPen(kDimension, 0.7));
    p.drawLine(QPointF(rimOut + 3, bead - 6), QPointF(rimOut + 3, l2 + 4));
    Dimension(p, QPointF(outerWall + 1, l1), QPointF(edgeX, l1));
    Dimension(p, QPointF(rimOut + 3, l2), QPointF(edgeX, l2));
    Label(p, QRectF(edgeX + 3, l1 - 6, 24, 12), QStringLiteral("L1"), letters, kMark,
          Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, QRectF(edgeX + 3, l2 - 6, 24, 12), QStringLiteral("L2"), letters, kDimension,
          Qt::AlignLeft | Qt::AlignVCenter);

    // names
    Label(p, QRectF(70, 2, 62, 12), QStringLiteral("フェンダー部"), small, kFigureInk,
          Qt::AlignLeft | Qt::AlignVCenter);
    Leader(p, QPointF(106, 12), QPointF(114, 21));
    Label(p, QRectF(38, 112, 40, 12), QStringLiteral("ホイール"), small, kFigureInk,
          Qt::AlignLeft | Qt::AlignVCenter);
    Leader(p, QPointF(76, 116), QPointF(rimOut - 18, 118));
    Label(p, QRectF(2, 56, 30, 12), QStringLiteral("タイヤ"), small, kFigureInk,
          Qt::AlignLeft | Qt::AlignVCenter);
    Leader(p, QPointF(22, 68), QPointF(innerWall + 3, 72));
    Label(p, QRectF(3, 138, 30, 13), QStringLiteral("内側"), Gothic(11), kMark,
          Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, QRectF(w - 33, 138, 30, 13), QStringLiteral("外側"), Gothic(11), kMark,
          Qt::AlignRight | Qt::AlignVCenter);
    Frame(p, w, h);
    p.end();
    Save(image, 164, Kind::Jpeg);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: drawpictures <out-folder> <icon-file>\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);

    // splash
    Logo(159, 139, 25, kSplash, Kind::Jpeg);
    SplashBanner();
    MakerName(137, 143, 17, kSplash, Kind::Jpeg);
    // top menu
    Banner(160, 312, 36, QStringLiteral("Standard"), kStandardBlue, Kind::ClearGif);
    Logo(101, 139, 25, kWindow, Kind::ClearGif);
    Heading(130, 110, 15, QStringLiteral("起動オプション"), 13);
    UsageNotes();
    OptionLabel(143, 202, QStringLiteral("Tarvelo 2005 を起動する"));
    OptionLabel(144, 241, QStringLiteral("Tarvelo 2005 Viewer を起動する"));
    // input form
    Banner(157, 312, 36, QStringLiteral("Standard"), kStandardBlue, Kind::ClearGif);
    Heading(120, 68, 13, QStringLiteral("前輪タイヤ"), 12);
    Heading(121, 68, 13, QStringLiteral("後輪タイヤ"), 12);
    Heading(122, 125, 15, QStringLiteral("変更前データ入力"), 13);
    Heading(123, 125, 15, QStringLiteral("変更後データ入力"), 13);
    Heading(124, 36, 14, QStringLiteral("解説"), 13);
    TyreSizeFigure();
    WheelSizeFigure();
    FigureA();
    FigureB();
    // result sheet and viewer
    Logo(102, 95, 17, kWindow, Kind::ClearGif);
    Heading(125, 62, 15, QStringLiteral("解析完了"), 13);
    Heading(126, 55, 13, QStringLiteral("比較結果"), 12);
    Banner(171, 285, 36, QStringLiteral("Viewer"), kViewerRed, Kind::Jpeg);
    // version dialogs
    Strip(112, QColor(0, 90, 40), QColor(150, 215, 150));
    Banner(106, 330, 38, QStringLiteral("Standard"), kStandardBlue, Kind::ClearGif);
    MakerName(131, 140, 14, kWindow, Kind::ClearGif);
    RightsNotice(132, QStringLiteral("Tarvelo 2005 Standard"));
    Strip(111, QColor(0, 40, 130), QColor(150, 190, 240));
    RightsNotice(135, QStringLiteral("Tarvelo 2005 Viewer"));
    Banner(110, 296, 38, QStringLiteral("Viewer"), kViewerRed, Kind::ClearGif);

    DrawIcon(QString::fromLocal8Bit(argv[2]));
    return 0;
}
