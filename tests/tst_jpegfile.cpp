#include "JpegWriter.h"
#include "platform/Exceptions.h"
#include "platform/JpegFile.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

class JpegFileTest : public QObject
{
    Q_OBJECT
private slots:
    void lampPicturesDecodeWhole();
    void onlyTheVisibleCornerIsKept_data();
    void onlyTheVisibleCornerIsKept();
    void unopenableFiles_data();
    void unopenableFiles();
    void refusedContent_data();
    void refusedContent();
    void failedLoadKeepsThePreviousPicture();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir;
};

namespace {

// Four quadrants of distinct colours, so a wrong corner or a colour mix-up shows.
QImage quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width, height, QColor(0, 0, 255));
    painter.fillRect(0, 0, width / 2, height / 2, QColor(220, 40, 40));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(40, 200, 40));
    return image;
}

bool near(QRgb a, QColor b, int tolerance = 24)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

const QSize lampSize(43, 41);

} // namespace

QString JpegFileTest::write(const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write a test file");
    file.write(bytes);
    return file.fileName();
}

void JpegFileTest::lampPicturesDecodeWhole()
{
    for (const char* name : {"/1.jpg", "/0.jpg"}) {
        const QImage image =
            platform::loadJpegFile(QStringLiteral(VOLTARIX_SOURCE_FILES) + QLatin1String(name), lampSize);
        QCOMPARE(image.size(), lampSize);
    }
    // The lit lamp's glass is amber below its centre; the dark one is grey.
    const QRgb lit =
        platform::loadJpegFile(QStringLiteral(VOLTARIX_SOURCE_FILES "/1.jpg"), lampSize).pixel(21, 30);
    const QRgb dark =
        platform::loadJpegFile(QStringLiteral(VOLTARIX_SOURCE_FILES "/0.jpg"), lampSize).pixel(21, 30);
    QVERIFY(qRed(lit) > 200 && qGreen(lit) > 150 && qBlue(lit) < 120);
    QVERIFY(qRed(dark) < 120 && std::abs(qRed(dark) - qBlue(dark)) < 10);
}

void JpegFileTest::onlyTheVisibleCornerIsKept_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("colour, larger") << int(JpegKind::Color) << QSize(400, 300) << lampSize;
    QTest::newRow("colour, smaller") << int(JpegKind::Color) << QSize(20, 10) << QSize(20, 10);
    QTest::newRow("colour, odd width") << int(JpegKind::Color) << QSize(131, 41) << lampSize;
    QTest::newRow("progressive, larger") << int(JpegKind::Progressive) << QSize(300, 200) << lampSize;
    QTest::newRow("cmyk, larger") << int(JpegKind::Cmyk) << QSize(120, 90) << lampSize;
}

void JpegFileTest::onlyTheVisibleCornerIsKept()
{
    QFETCH(int, kind);
    QFETCH(QSize, size);
    QFETCH(QSize, shown);
    const QString path = dir.filePath(QStringLiteral("picture.jpg"));
    writeJpeg(path, quadrants(size.width(), size.height()), static_cast<JpegKind>(kind));
    const QImage image = platform::loadJpegFile(path, lampSize);
    QCOMPARE(image.size(), shown);
    // The top-left pixel is in the red quadrant; for small pictures the green one shows too.
    QVERIFY(near(image.pixel(2, 2), QColor(220, 40, 40)));
    if (size.width() <= lampSize.width())
        QVERIFY(near(image.pixel(shown.width() - 2, 2), QColor(40, 200, 40)));
}

void JpegFileTest::unopenableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "missing.jpg"
                                  << "No such file or directory";
    QTest::newRow("missing folder") << "nowhere/1.jpg"
                                    << "No such file or directory";
    QTest::newRow("a directory") << "folder.jpg"
                                 << "Is a directory";
}

void JpegFileTest::unopenableFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
    const QString path = dir.filePath(name);
    try {
        platform::loadJpegFile(path, lampSize);
        QFAIL("loaded");
    } catch (const platform::FileOpenError& e) {
        QCOMPARE(e.message(), QStringLiteral("Impossible d'ouvrir le fichier \"%1\". %2").arg(path, reason));
    }
}

void JpegFileTest::refusedContent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::newRow("empty file") << QByteArray() << 42;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, not what the name says") << 53;
    QTest::newRow("start marker and nothing else") << QByteArray("\xFF\xD8", 2) << 51;
}

void JpegFileTest::refusedContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    const QString path = write(QStringLiteral("bad.jpg"), bytes);
    try {
        platform::loadJpegFile(path, lampSize);
        QFAIL("loaded");
    } catch (const platform::JpegError& e) {
        QCOMPARE(e.message(), QStringLiteral("Erreur JPEG #%1").arg(code));
    }
}

void JpegFileTest::failedLoadKeepsThePreviousPicture()
{
    platform::PictureBox box;
    box.resize(lampSize);
    box.loadFromFile(QStringLiteral(VOLTARIX_SOURCE_FILES "/1.jpg"));
    const QImage before = box.picture();
    QVERIFY(!before.isNull());
    QVERIFY_THROWS_EXCEPTION(platform::FileOpenError,
                             box.loadFromFile(dir.filePath(QStringLiteral("missing.jpg"))));
    QVERIFY_THROWS_EXCEPTION(platform::JpegError,
                             box.loadFromFile(write(QStringLiteral("text.jpg"), "text")));
    QCOMPARE(box.picture(), before);
}

QTEST_MAIN(JpegFileTest)
#include "tst_jpegfile.moc"
