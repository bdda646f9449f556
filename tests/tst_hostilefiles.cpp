// The lamp pictures are the panel's only file input. Whatever a user leaves in their
// place, a read reports it with the documented message, never blocks, and the panel
// goes on working once the picture is put right.

#include "JpegWriter.h"
#include "Panel.h"
#include "platform/Exceptions.h"
#include "platform/JpegFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class HostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void oddLampPicture_data();
    void oddLampPicture();
    void unreadableForAnOrdinaryUser();
    void pictureChangesBetweenReads();
};

namespace {

enum class Odd { Directory, Fifo, Device, SymlinkLoop, Empty, Text, HugeProgressive, Truncated };

// Puts the odd thing where the lit lamp's picture is.
void plant(const QString& path, Odd odd)
{
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    switch (odd) {
    case Odd::Directory:
        QDir().mkdir(path);
        break;
    case Odd::Fifo:
        mkfifo(name.constData(), 0644);
        break;
    case Odd::Device:
        QFile::link(QStringLiteral("/dev/zero"), path);
        break;
    case Odd::SymlinkLoop:
        symlink(name.constData(), name.constData());
        break;
    case Odd::Empty:
    case Odd::Text:
    case Odd::HugeProgressive:
    case Odd::Truncated: {
        QByteArray bytes;
        if (odd == Odd::Text) {
            bytes = "GIF89a, or so the name says";
        } else if (odd != Odd::Empty) {
            const QString source = path + QStringLiteral(".source");
            QImage image(64, 64, QImage::Format_RGB32);
            image.fill(Qt::red);
            writeJpeg(source, image, odd == Odd::Truncated ? JpegKind::Color : JpegKind::Progressive);
            QFile file(source);
            file.open(QIODevice::ReadOnly);
            bytes = file.readAll();
            file.remove();
            if (odd == Odd::Truncated) {
                // Cut a few bytes into the image data: the decoder shows what it got.
                bytes.truncate(bytes.indexOf("\xFF\xDA") + 24);
            } else {
                // The frame header claims 65000 x 65000: far beyond the decoder's memory limit.
                const qsizetype frame = bytes.indexOf("\xFF\xC2");
                bytes[frame + 5] = bytes[frame + 7] = char(0xFD);
                bytes[frame + 6] = bytes[frame + 8] = char(0xE8);
            }
        }
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        break;
    }
    }
}

void putRight(const QString& path)
{
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    QFile::remove(path);
    QFile::copy(QStringLiteral(VOLTARIX_SOURCE_FILES "/1.jpg"), path);
}

} // namespace

void HostileFiles::oddLampPicture_data()
{
    QTest::addColumn<int>("odd");
    QTest::addColumn<QString>("problem"); // after the path; empty: the picture loads
    QTest::newRow("a directory") << int(Odd::Directory) << "\". Is a directory.";
    QTest::newRow("a FIFO") << int(Odd::Fifo) << "\". Invalid argument.";
    QTest::newRow("a device") << int(Odd::Device) << "\". Invalid argument.";
    QTest::newRow("a symlink loop") << int(Odd::SymlinkLoop) << "\". Too many levels of symbolic links.";
    QTest::newRow("an empty file") << int(Odd::Empty) << "Erreur JPEG #42.";
    QTest::newRow("not a JPEG") << int(Odd::Text) << "Erreur JPEG #53.";
    QTest::newRow("65000 x 65000 progressive") << int(Odd::HugeProgressive) << "Erreur JPEG #49.";
    QTest::newRow("cut short in its image data") << int(Odd::Truncated) << "";
}

void HostileFiles::oddLampPicture()
{
    QFETCH(int, odd);
    QFETCH(QString, problem);
    Panel panel;
    panel.port.registers[0x378] = 0x80;
    const QString lit = panel.filesDir() + QStringLiteral("1.jpg");
    plant(lit, static_cast<Odd>(odd));

    QElapsedTimer clock;
    clock.start();
    panel.start();
    QVERIFY2(clock.elapsed() < 2000, "the read took seconds");
    if (problem.isEmpty()) {
        QCOMPARE(panel.dialogs.texts, QStringList());
        QVERIFY(!panel.lamps().contains(u'-'));
    } else {
        const QString expected =
            problem.startsWith(u'"')
                ? QStringLiteral("Impossible d'ouvrir le fichier \"%1%2").arg(lit, problem)
                : problem;
        QCOMPARE(panel.dialogs.texts, QStringList{expected});
        QCOMPARE(panel.lamps(), QStringLiteral("--------"));
    }

    putRight(lit);
    panel.dialogs.texts.clear();
    panel.clickButton("Button1");
    QVERIFY(panel.dialogs.texts.isEmpty());
    QCOMPARE(panel.lamps(), QStringLiteral("10000000"));
}

void HostileFiles::unreadableForAnOrdinaryUser()
{
    Panel panel;
    const QString lit = panel.filesDir() + QStringLiteral("1.jpg");
    QFile::setPermissions(panel.workDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                    QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(panel.filesDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(lit, QFile::Permissions());
    const pid_t child = fork();
    if (child == 0) {
        // Root reads whatever it likes: the check runs as nobody.
        if (geteuid() == 0 && (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
            _exit(2);
        try {
            platform::loadJpegFile(lit, QSize(43, 41));
        } catch (const platform::FileOpenError& e) {
            _exit(e.message() ==
                          QStringLiteral("Impossible d'ouvrir le fichier \"%1\". Permission denied").arg(lit)
                      ? 0
                      : 3);
        } catch (...) {
        }
        _exit(4);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void HostileFiles::pictureChangesBetweenReads()
{
    Panel panel;
    panel.port.registers[0x378] = 0xFF;
    panel.start();
    QCOMPARE(panel.lamps(), QStringLiteral("11111111"));
    const QString lit = panel.filesDir() + QStringLiteral("1.jpg");
    plant(lit, Odd::Text);
    panel.clickButton("Button1");
    QCOMPARE(panel.dialogs.texts, QStringList{QStringLiteral("Erreur JPEG #53.")});
    QCOMPARE(panel.lamps(), QStringLiteral("11111111")); // the pictures shown before stay
    putRight(lit);
    panel.port.registers[0x378] = 0x0F;
    panel.clickButton("Button1");
    QCOMPARE(panel.dialogs.texts.size(), 1);
    QCOMPARE(panel.lamps(), QStringLiteral("00001111"));
}

QTEST_MAIN(HostileFiles)
#include "tst_hostilefiles.moc"
