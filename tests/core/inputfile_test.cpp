#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/datafile.h"
#include "input/inputfile.h"
#include "input/valuelists.h"
#include "printers.h"

using namespace tarvelo;

namespace {

QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(TARVELO_TEST_DATA "/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// The example set: 15 x 6.5 "＋" 45 with 195/55 at the front before, and so on.
InputSet ExampleSet() {
    InputSet set;
    set.beforeFront = {"15", "6.5", kOffsetPlus, "45", "195", "55"};
    set.beforeRear = {"16", "7", kOffsetMinus, "12", "205", "55"};
    set.afterFront = {"17", "7.5", kOffsetZero, "0", "215", "45"};
    set.clearanceMm = {"12.5", "10", ".5", "7."};
    return set;
}

}  // namespace

TEST(Cp932, ConverterExistsAndMapsTheWindowsSigns) {
    ASSERT_TRUE(Cp932Available());
    EXPECT_EQ(DecodeCp932("\x81\x7c\x81\x60\x81\x7b\x81\x7d"), QStringLiteral("－～＋±"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("未解析")), QByteArray("\x96\xa2\x89\xf0\x90\xcd"));
    EXPECT_FALSE(EncodeCp932(QStringLiteral("€")).has_value());
    EXPECT_FALSE(DecodeCp932("\x81").has_value());
}

TEST(InputFileWriter, ExampleSetByteForByte) {
    EXPECT_EQ(InputFileBytes(ExampleSet()), Fixture("example.ipw"));
}

TEST(InputFileWriter, FreshFormWritesZerosEmptyDirectionsAndReservedZeros) {
    EXPECT_EQ(InputFileBytes(InputSet{}), Fixture("fresh.ipw"));
}

TEST(InputFileWriter, SaveReplacesOnlyWithACompleteFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("car");  // no extension is added
    ASSERT_EQ(SaveInputFile(path, ExampleSet()), QString());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), Fixture("example.ipw"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"car"});

    // A folder that does not exist cannot take the file: the reason is reported.
    EXPECT_NE(SaveInputFile(dir.filePath("missing/car.ipw"), ExampleSet()), QString());
    // A name that is a folder: the save fails and the folder is left alone.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ipw"));
    EXPECT_NE(SaveInputFile(dir.filePath("folder.ipw"), ExampleSet()), QString());
}

TEST(DataFile, FailedWriteIsReported) {
    // A device that takes only a few bytes, like a full disk.
    class ShortDevice : public QBuffer {
    protected:
        qint64 writeData(const char* data, qint64 len) override {
            const qint64 room = 10 - size();
            if (room <= 0) {
                setErrorString(QStringLiteral("disk full"));
                return -1;
            }
            return QBuffer::writeData(data, std::min(len, room));
        }
    } device;
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    QString error;
    EXPECT_FALSE(WriteAll(device, InputFileBytes(ExampleSet()), &error));
}

TEST(InputFileReader, ReadsBackWhatTheWriterWrote) {
    const InputFileContent content = ParseInputFile(Fixture("example.ipw"));
    EXPECT_EQ(content.fieldCount, 36);
    EXPECT_EQ(content.Text(3), "＋");
    EXPECT_EQ(content.Number(7), 12.5);
    EXPECT_EQ(content.Text(8), "0");
    EXPECT_EQ(content.Text(15), "－");
    EXPECT_EQ(content.Text(27), "±");
    EXPECT_EQ(content.Text(33), "");
    InputSet expected = ExampleSet();
    expected.clearanceMm = {"12.5", "10", "0.5", "7"};  // stored as the numbers they stand for
    expected.afterRear.offsetMm = "0";                   // a box always gets a number
    EXPECT_EQ(ApplyInputFile(content, InputSet{}), expected);
}

TEST(InputFileReader, FieldRules) {
    const InputFileContent c =
        ParseInputFile("  16 , \"\x81\x7b\"trail,\r\n\"a,b\"\n\n7 \r\"open\r\n-5\r\n1E+20");
    EXPECT_EQ(c.fieldCount, 9);
    EXPECT_EQ(c.Text(1), "16");
    EXPECT_EQ(c.Text(2), "＋");
    EXPECT_EQ(c.Text(3), "");  // the comma and the line end each end a field
    EXPECT_EQ(c.Text(4), "a,b");
    EXPECT_EQ(c.Text(5), "");
    EXPECT_EQ(c.Text(6), "7");
    EXPECT_EQ(c.Text(7), "open");
    EXPECT_EQ(c.Number(8), -5);
    EXPECT_EQ(c.Number(9), 1e20);
    EXPECT_EQ(c.Number(36), 0);  // missing
}

TEST(InputFileReader, ExtraFieldsIgnoredAndBadBytesUnreadable) {
    QByteArray bytes = Fixture("example.ipw");
    bytes.replace(0, 2, "\x81\x20");  // line 1 is no longer code page 932
    bytes += "99\r\n\"more\"\r\n";
    const InputFileContent c = ParseInputFile(bytes);
    EXPECT_EQ(c.fieldCount, 36);
    EXPECT_EQ(c.undecodableLines, QList<int>{1});
    EXPECT_EQ(c.Number(1), 0);
    EXPECT_EQ(c.Number(36), 0);
}

TEST(InputFileReader, MissingFileIsAnError) {
    const InputFileRead read = ReadInputFile(QStringLiteral("/nonexistent/car.ipw"));
    EXPECT_NE(read.error, QString());
    EXPECT_EQ(read.content.fieldCount, 0);
}

TEST(InputFileReader, ReadsAtMost64KiB) {
    QTemporaryDir dir;
    QFile file(dir.filePath("big.ipw"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200 * 1024, ' ') + "15\r\n");
    file.close();
    const InputFileRead read = ReadInputFile(file.fileName());
    EXPECT_EQ(read.error, QString());
    EXPECT_EQ(read.content.Number(1), 0);
}

TEST(ValueRules, ListsBoxesAndDirections) {
    EXPECT_EQ(RimDiameterItems().size(), 10);
    EXPECT_FALSE(RimDiameterItems().contains("11"));
    EXPECT_EQ(RimWidthItems().size(), 18);
    EXPECT_EQ(RimWidthItems().first(), "3");
    EXPECT_EQ(RimWidthItems()[1], "3.5");
    EXPECT_EQ(RimWidthItems().last(), "11.5");
    EXPECT_EQ(TyreWidthItems().size(), 17);
    EXPECT_EQ(TyreWidthItems().last(), "295");
    EXPECT_EQ(AspectRatioItems().size(), 11);
    EXPECT_EQ(AspectRatioItems().first(), "30");
    EXPECT_EQ(OffsetDirectionItems(), (QStringList{"＋", "－", "±"}));

    EXPECT_EQ(ListIndexForNumber(RimDiameterItems(), 15), 4);
    EXPECT_EQ(ListIndexForNumber(RimDiameterItems(), 11), -1);
    EXPECT_EQ(ListIndexForNumber(RimDiameterItems(), 0), -1);
    EXPECT_EQ(ListIndexForNumber(RimWidthItems(), 6.5), 7);
    EXPECT_EQ(BoxTextForNumber(0), "0");
    EXPECT_EQ(BoxTextForNumber(12.5), "12.5");
    EXPECT_EQ(BoxTextForNumber(-5), "-5");
    EXPECT_EQ(DirectionIndexForText("±"), 2);
    EXPECT_EQ(DirectionIndexForText(""), -1);
    EXPECT_EQ(DirectionIndexForText("+"), -1);
}

TEST(ApplyInputFile, AsIntoTheForm) {
    InputSet current;
    current.beforeRear.rimDiameterInch = "18";
    current.rearSameAsFrontBefore = true;
    QByteArray bytes = Fixture("example.ipw");
    bytes.replace("16\r\n7\r\n\"\x81\x7c\"\r\n12", "11\r\n0\r\n\"\"\r\n-5");  // lines 13 to 16
    QStringList refused;
    const InputSet set = ApplyInputFile(ParseInputFile(bytes), current, &refused);
    EXPECT_EQ(set.beforeRear.rimDiameterInch, "18");  // 11 matches no item
    EXPECT_EQ(set.beforeRear.rimWidthInch, "");       // 0 matches no item
    EXPECT_EQ(set.beforeRear.offsetDirection, kNoDirection);
    EXPECT_EQ(set.beforeRear.offsetMm, "");           // -5 is refused
    EXPECT_EQ(refused, QStringList{"Text18"});
    EXPECT_TRUE(set.rearSameAsFrontBefore);
    EXPECT_EQ(set.afterFront.offsetDirection, kOffsetZero);
    EXPECT_EQ(set.afterFront.offsetMm, "0");
}

TEST(ApplyInputFile, MissingLinesBecomeZeroInTheBoxes) {
    const InputSet set = ApplyInputFile(ParseInputFile("15\r\n6.5\r\n"), InputSet{});
    EXPECT_EQ(set.beforeFront.rimDiameterInch, "15");
    EXPECT_EQ(set.beforeFront.rimWidthInch, "6.5");
    EXPECT_EQ(set.beforeFront.offsetMm, "0");
    EXPECT_EQ(set.clearanceMm[kRR], "0");
    EXPECT_EQ(set.afterRear.tyreWidthMm, "");
}
