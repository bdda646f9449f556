#include "Maker.h"
#include "Panel.h"
#include "platform/LinkLabel.h"
#include "platform/Shell.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class About : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensNotModalWithItsContent();
    void clickingAboutAgainShowsTheSameWindow();
    void closingHidesAndKeepsEdits();
    void mainWindowKeepsWorking();
    void onlyTheContactLineOpensTheWebAddress();

private:
    std::unique_ptr<Panel> panel;
    QStringList opened;
    platform::ShellOpener previousOpener;
};

void About::init()
{
    opened.clear();
    previousOpener = platform::setShellOpener([this](const QString& address) { opened << address; });
    panel = std::make_unique<Panel>();
    panel->start();
    panel->form->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel->form.get()));
}

void About::cleanup()
{
    panel.reset();
    platform::setShellOpener(previousOpener);
}

void About::opensNotModalWithItsContent()
{
    QVERIFY(!panel->about->isVisible());
    panel->clickButton("Button7");
    TForm3& about = *panel->about;
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowModality(), Qt::NonModal);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(510, 373));
    QCOMPARE(QColor(about.grab().toImage().pixel(3, 3)), QColor(192, 220, 192));
    const auto* header = about.findChild<QLabel*>(QStringLiteral("Label1"));
    const auto* contact = about.findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(header->text().contains(QStringLiteral("Voltarix")));
    QVERIFY(contact->text().startsWith(QStringLiteral("Contact : ")));
    QVERIFY(contact->text().contains(QLatin1String(Maker::Email)));
    QVERIFY(contact->text().contains(QLatin1String(Maker::WebAddress)));
    QCOMPARE(contact->cursor().shape(), Qt::PointingHandCursor);
    // Neither line is cut off.
    for (const QLabel* label : {header, contact})
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    const QString description = about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    for (const char* point : {"robot", "LPT", "Eight circuits", "multiplexing", "5 volts", "forward",
                              "reverse", "turn right or left", "quickly", "parallel", "serial",
                              "Windows 95, 98, Me and Windows 7", "compatibility"})
        QVERIFY2(description.contains(QLatin1String(point)), point);
}

void About::clickingAboutAgainShowsTheSameWindow()
{
    panel->clickButton("Button7");
    panel->clickButton("Button7");
    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        aboutWindows += window->isVisible() && window->windowTitle() == QStringLiteral("About");
    QCOMPARE(aboutWindows, 1);
}

void About::closingHidesAndKeepsEdits()
{
    panel->clickButton("Button7");
    auto* memo = panel->about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("my note"));
    const QString edited = memo->toPlainText();
    QVERIFY(panel->about->close());
    QVERIFY(!panel->about->isVisible());
    QVERIFY(panel->form->isVisible());
    panel->clickButton("Button7");
    QVERIFY(panel->about->isVisible());
    QCOMPARE(memo->toPlainText(), edited);
    QVERIFY(edited.contains(QStringLiteral("my note")));
}

void About::mainWindowKeepsWorking()
{
    panel->clickButton("Button7");
    QTest::mouseClick(panel->control<QCheckBox>("CheckBox1"), Qt::LeftButton);
    QCOMPARE(panel->caption("Label1"), QStringLiteral("This Binary = 1"));
    panel->port.log.clear();
    panel->clickButton("Button3");
    QCOMPARE(panel->port.writes().size(), 1u);
}

void About::onlyTheContactLineOpensTheWebAddress()
{
    panel->clickButton("Button7");
    QTest::mouseClick(panel->about->findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    QTest::mouseClick(panel->about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->viewport(),
                      Qt::LeftButton);
    QCOMPARE(opened, QStringList());
    QTest::mouseClick(panel->about->findChild<platform::LinkLabel*>(QStringLiteral("Label2")),
                      Qt::LeftButton);
    QCOMPARE(opened, QStringList{QLatin1String(Maker::WebAddress)});
}

QTEST_MAIN(About)
#include "tst_about.moc"
