#include "app/pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QtTest>

#include <memory>

#include "app/picturearea.h"

namespace {

struct PictureRow {
    int id;
    int width;
    int height;
    const char* format;
};

// Every embedded picture: its number, size in pixels and file format.
constexpr PictureRow kPictures[] = {
    {159, 139, 25, "jpeg"},  {117, 449, 52, "jpeg"},  {137, 143, 17, "jpeg"},
    {160, 312, 36, "gif"},   {101, 139, 25, "gif"},   {130, 110, 15, "gif"},
    {172, 337, 123, "gif"},  {143, 202, 12, "gif"},   {144, 241, 12, "gif"},
    {157, 312, 36, "gif"},   {120, 68, 13, "gif"},    {121, 68, 13, "gif"},
    {122, 125, 15, "gif"},   {123, 125, 15, "gif"},   {124, 36, 14, "gif"},
    {119, 150, 35, "jpeg"},  {162, 155, 26, "jpeg"},  {163, 152, 142, "jpeg"},
    {164, 152, 154, "jpeg"}, {102, 95, 17, "gif"},    {125, 62, 15, "gif"},
    {126, 55, 13, "gif"},    {171, 285, 36, "jpeg"},  {112, 50, 225, "jpeg"},
    {106, 330, 38, "gif"},   {131, 140, 14, "gif"},   {132, 290, 24, "gif"},
    {111, 50, 225, "jpeg"},  {135, 290, 24, "gif"},   {110, 296, 38, "gif"},
};

// The marker of the first frame of a JPEG file: 0xC0 for a baseline picture, 0xC2 for a
// progressive one; 0 if there is none.
int JpegFrameMarker(const QByteArray& bytes) {
    qsizetype i = 2;
    while (i + 3 < bytes.size() && static_cast<unsigned char>(bytes[i]) == 0xFF) {
        const int marker = static_cast<unsigned char>(bytes[i + 1]);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                           marker != 0xC8 && marker != 0xCC;
        if (frame) return marker;
        const int length = (static_cast<unsigned char>(bytes[i + 2]) << 8) |
                           static_cast<unsigned char>(bytes[i + 3]);
        i += 2 + length;
    }
    return 0;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { window_ = std::make_unique<QWidget>(); }
    void cleanup() { window_.reset(); }

    void everyPictureHasItsSizeAndFormat_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("format");
        for (const PictureRow& row : kPictures)
            QTest::addRow("%d", row.id) << row.id << row.width << row.height
                                        << QByteArray(row.format);
    }

    void everyPictureHasItsSizeAndFormat() {
        QFETCH(int, id);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QByteArray, format);
        const QByteArray bytes = tarvelo::ResourcePictureBytes(id);
        QVERIFY(!bytes.isEmpty());
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(width, height));
        if (format == "gif")
            QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
        else
            QCOMPARE(JpegFrameMarker(bytes), 0xC0);
    }

    // A GIF and a JPEG go through the same loader into an area made for them: the area
    // drops its stand-in words, holds the picture at its size and keeps its left and top.
    void gifAndJpegLoadIntoAnArea_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("gif 130") << 130 << QSize(110, 15);
        QTest::newRow("jpeg 163") << 163 << QSize(152, 142);
    }

    void gifAndJpegLoadIntoAnArea() {
        QFETCH(int, id);
        QFETCH(QSize, size);
        QLabel* area = tarvelo::MakePictureArea(QStringLiteral("Image9"),
                                                QStringLiteral("起動オプション"), window_.get());
        area->setGeometry(17, 23, 40, 8);
        QVERIFY(tarvelo::LoadResourcePicture(id, {area}));
        QCOMPARE(area->pixmap().size(), size);
        QCOMPARE(area->geometry(), QRect(QPoint(17, 23), size));
        QVERIFY(area->text().isEmpty());
    }

    void bothFrontTyreHeadingsHoldThePicture() {
        QLabel* afterFront = tarvelo::MakePictureArea(QStringLiteral("Image5"),
                                                      QStringLiteral("前輪タイヤ"), window_.get());
        QLabel* beforeFront = tarvelo::MakePictureArea(QStringLiteral("Image6"),
                                                       QStringLiteral("前輪タイヤ"), window_.get());
        afterFront->setGeometry(300, 40, 100, 20);
        beforeFront->setGeometry(8, 200, 10, 10);
        QVERIFY(tarvelo::LoadResourcePicture(120, {afterFront, beforeFront}));
        QCOMPARE(afterFront->geometry(), QRect(300, 40, 68, 13));
        QCOMPARE(beforeFront->geometry(), QRect(8, 200, 68, 13));
        QCOMPARE(afterFront->pixmap().size(), QSize(68, 13));
        QCOMPARE(beforeFront->pixmap().toImage(), afterFront->pixmap().toImage());
        QVERIFY(afterFront->text().isEmpty() && beforeFront->text().isEmpty());
    }

    // A missing picture puts nothing into the area, even where one was shown before.
    void missingPictureLeavesTheAreaEmpty() {
        auto* area = new QLabel(window_.get());
        area->setGeometry(5, 6, 7, 8);
        QVERIFY(!tarvelo::LoadResourcePicture(999, {area}));
        QVERIFY(area->pixmap().isNull());
        QCOMPARE(area->geometry(), QRect(5, 6, 7, 8));

        QVERIFY(tarvelo::LoadResourcePicture(164, {area}));
        QVERIFY(!tarvelo::LoadResourcePicture(0, {area}));
        QVERIFY(area->pixmap().isNull());
        QVERIFY(tarvelo::ResourcePictureBytes(999).isEmpty());
    }

    void clearingTakesThePictureOut() {
        auto* area = new QLabel(window_.get());
        area->move(30, 40);
        QVERIFY(tarvelo::LoadResourcePicture(119, {area}));
        QCOMPARE(area->pixmap().size(), QSize(150, 35));
        tarvelo::ClearPictureArea(area);
        QVERIFY(area->pixmap().isNull());
        QCOMPARE(area->pos(), QPoint(30, 40));
    }

    void programIconIs32By32() {
        const QIcon icon = tarvelo::ProgramIcon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(QImage(QStringLiteral(":/icon/tarvelo.png")).size(), QSize(32, 32));
    }

  private:
    std::unique_ptr<QWidget> window_;
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
