#include "Panel.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using Access = SimulatedPort::Access;

class RegisterDisplay : public QObject
{
    Q_OBJECT
private slots:
    void opensShowingTheDataRegister();
    void showsEachRegister_data();
    void showsEachRegister();
    void choosingTheSelectedItemAgainDoesNotRead();
    void readLptAlwaysReads();
    void writingDoesNotRefreshTheLamps();
    void refusedReadChangesNothing();
    void missingFilesFolderAtStartUp();
    void brokenPictureStopsTheLampsWhereItIs();
    void pictureDirectoryIsFixedAtStartUp();
    void windowLayout();
};

void RegisterDisplay::opensShowingTheDataRegister()
{
    Panel panel;
    panel.port.registers[0x378] = 0x81;
    panel.start();
    QCOMPARE(panel.port.log, (std::vector<Access>{{Access::Read, 0x378, 0x81}}));
    QCOMPARE(PortAddr, 0x378);
    QCOMPARE(PortBits, QStringLiteral("10000001"));
    QCOMPARE(panel.lineNames(), QStringLiteral("D7 D6 D5 D4 D3 D2 D1 D0"));
    QCOMPARE(panel.lamps(), QStringLiteral("10000001"));
    QCOMPARE(ImageDir, panel.filesDir());
    QVERIFY(panel.dialogs.texts.isEmpty());
}

void RegisterDisplay::showsEachRegister_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("lamps");
    const QString data = QStringLiteral("D7 D6 D5 D4 D3 D2 D1 D0");
    const QString status = QStringLiteral("Busy Acknwldg PaperEnd Select Error X X X");
    const QString control = QStringLiteral("X X I/O IRQ SelectInput Initialize AutoFeed Strobe");
    QTest::newRow("data 0x81") << 0 << 0x378 << 0x81 << data << "10000001";
    QTest::newRow("data 0xA5") << 0 << 0x378 << 0xA5 << data << "10100101";
    QTest::newRow("status 0x78") << 1 << 0x379 << 0x78 << status << "01111000";
    QTest::newRow("status 0xA5") << 1 << 0x379 << 0xA5 << status << "10100101";
    QTest::newRow("control 0x81") << 2 << 0x37A << 0x81 << control << "10000001";
    QTest::newRow("control 0x0C") << 2 << 0x37A << 0x0C << control << "00001100";
}

void RegisterDisplay::showsEachRegister()
{
    QFETCH(int, item);
    QFETCH(int, port);
    QFETCH(int, byte);
    QFETCH(QString, names);
    QFETCH(QString, lamps);
    Panel panel;
    panel.port.registers[static_cast<std::uint16_t>(port)] = static_cast<std::uint8_t>(byte);
    panel.start();
    if (item != 0) {
        panel.port.log.clear();
        panel.chooseRegister(item);
        // Choosing the item reads at once, and only that register.
        QCOMPARE(panel.port.log, (std::vector<Access>{{Access::Read, static_cast<std::uint16_t>(port),
                                                       static_cast<std::uint8_t>(byte)}}));
    }
    QCOMPARE(PortAddr, port);
    QCOMPARE(panel.lineNames(), names);
    QCOMPARE(panel.lamps(), lamps);
    QVERIFY(panel.dialogs.texts.isEmpty());
}

void RegisterDisplay::choosingTheSelectedItemAgainDoesNotRead()
{
    Panel panel;
    panel.start();
    panel.chooseRegister(2);
    QCOMPARE(panel.port.reads().size(), 2u);
    panel.chooseRegister(2);
    QCOMPARE(panel.port.reads().size(), 2u);
    panel.chooseRegister(0);
    QCOMPARE(panel.port.reads().size(), 3u);
    QCOMPARE(panel.port.reads().back().port, 0x378);
}

void RegisterDisplay::readLptAlwaysReads()
{
    Panel panel;
    panel.start();
    panel.chooseRegister(1);
    panel.port.log.clear();
    panel.port.registers[0x379] = 0x40;
    panel.clickButton("Button1");
    panel.clickButton("Button1");
    QCOMPARE(panel.port.log, (std::vector<Access>{{Access::Read, 0x379, 0x40}, {Access::Read, 0x379, 0x40}}));
    QCOMPARE(panel.lamps(), QStringLiteral("01000000"));
}

void RegisterDisplay::writingDoesNotRefreshTheLamps()
{
    Panel panel;
    panel.start();
    panel.control<QLineEdit>("Edit1")->setText(QStringLiteral("255"));
    panel.clickButton("Button4");
    QCOMPARE(panel.port.registers[0x378], 0xFF);
    QCOMPARE(panel.lamps(), QStringLiteral("00000000"));
    QCOMPARE(panel.port.reads().size(), 1u);
    panel.clickButton("Button1");
    QCOMPARE(panel.lamps(), QStringLiteral("11111111"));
}

void RegisterDisplay::refusedReadChangesNothing()
{
    Panel panel;
    panel.port.registers[0x378] = 0x0F;
    panel.start();
    panel.port.refuse = true;
    panel.chooseRegister(1);
    QCOMPARE(panel.dialogs.texts, QStringList{QStringLiteral("Instruction privilégiée.")});
    QCOMPARE(PortBits, QStringLiteral("00001111"));
    QCOMPARE(panel.lineNames(), QStringLiteral("D7 D6 D5 D4 D3 D2 D1 D0"));
    QCOMPARE(panel.lamps(), QStringLiteral("00001111"));
    // The choice itself has moved on: the next read addresses the status register.
    panel.port.refuse = false;
    panel.clickButton("Button1");
    QCOMPARE(panel.port.reads().back().port, 0x379);
}

void RegisterDisplay::missingFilesFolderAtStartUp()
{
    Panel panel(Panel::WithoutPictures);
    panel.start();
    const QString lamp1 = panel.workDir.path() + QStringLiteral("/Files/0.jpg");
    QCOMPARE(
        panel.dialogs.texts,
        QStringList{
            QStringLiteral("Impossible d'ouvrir le fichier \"%1\". No such file or directory.").arg(lamp1)});
    QCOMPARE(panel.lineNames(), QStringLiteral("D7 D6 D5 D4 D3 D2 D1 D0"));
    QCOMPARE(panel.lamps(), QStringLiteral("--------"));
    QVERIFY(panel.form->isEnabled());
}

void RegisterDisplay::brokenPictureStopsTheLampsWhereItIs()
{
    Panel panel;
    panel.port.registers[0x378] = 0x00;
    panel.start();
    QFile broken(panel.filesDir() + QStringLiteral("1.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();

    panel.port.registers[0x379] = 0x21; // lamps 3 and 8 lit: the third lamp fails first
    panel.chooseRegister(1);
    QCOMPARE(panel.dialogs.texts, QStringList{QStringLiteral("Erreur JPEG #53.")});
    QCOMPARE(PortBits, QStringLiteral("00100001"));
    QCOMPARE(panel.lineNames(), QStringLiteral("Busy Acknwldg PaperEnd Select Error X X X"));
    // Lamps before the failing one are new (dark), the failing one and after keep the old (dark too).
    QCOMPARE(panel.lamps(), QStringLiteral("00000000"));
}

void RegisterDisplay::pictureDirectoryIsFixedAtStartUp()
{
    Panel panel;
    panel.start();
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    panel.port.registers[0x378] = 0xF0;
    panel.clickButton("Button1");
    QVERIFY(panel.dialogs.texts.isEmpty());
    QCOMPARE(panel.lamps(), QStringLiteral("11110000"));
}

void RegisterDisplay::windowLayout()
{
    Panel panel;
    panel.start();
    TForm1& form = *panel.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("VOLTARIX 7.0.004"));
    QCOMPARE(form.size(), QSize(625, 252));
    QVERIFY(!panel.control<QPushButton>("Button2")->isVisibleTo(&form));
    QCOMPARE(panel.control<QPushButton>("Button2")->text(), QStringLiteral("lire binaire"));
    QCOMPARE(panel.control<QLabel>("Label1")->text(), QStringLiteral("-----------"));

    // What the user sees: money green around, yellow on black names, the first lamp lit.
    panel.port.registers[0x378] = 0x80;
    panel.clickButton("Button1");
    const QImage shot = form.grab().toImage();
    QCOMPARE(QColor(shot.pixel(5, 5)), QColor(192, 220, 192));
    QLabel* name = panel.control<QLabel>("Label11");
    const QPoint nameAt = name->mapTo(&form, QPoint(1, 1));
    QCOMPARE(QColor(shot.pixel(nameAt)), QColor(0, 0, 0));
    const QPoint lampAt = panel.control<platform::PictureBox>("Image1")->mapTo(&form, QPoint(21, 30));
    QVERIFY(qRed(shot.pixel(lampAt)) > 200 && qBlue(shot.pixel(lampAt)) < 120);
    // Long line names are not cut off.
    panel.chooseRegister(2);
    QLabel* longest = panel.control<QLabel>("Label15");
    QCOMPARE(longest->text(), QStringLiteral("SelectInput"));
    QVERIFY(longest->width() >= longest->fontMetrics().horizontalAdvance(longest->text()));
}

QTEST_MAIN(RegisterDisplay)
#include "tst_registerdisplay.moc"
