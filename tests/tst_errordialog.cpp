#include "DialogRecorder.h"
#include "platform/Application.h"
#include "platform/ErrorDialog.h"
#include "platform/Exceptions.h"
#include "platform/Handler.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class ErrorDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void fullStopRule_data();
    void fullStopRule();
    void realDialogShowsTitleIconTextAndOk();
    void failureEndsTheHandlerAndIsShownOnce();
    void triggeredClickFailsTheWholeChain();
    void nestedFailureWithoutTriggerIsStillShownOnce();
    void foreignExceptionsAreShownToo();
};

void ErrorDialogTest::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Instruction privilégiée"
                            << "Instruction privilégiée.";
    QTest::newRow("accented last letter") << "Erreur é"
                                          << "Erreur é.";
    QTest::newRow("digit") << "Erreur JPEG #53"
                           << "Erreur JPEG #53.";
    QTest::newRow("quote") << "'abc' n'est pas une valeur entière correcte"
                           << "'abc' n'est pas une valeur entière correcte.";
    QTest::newRow("ends in a full stop") << "Done."
                                         << "Done.";
    QTest::newRow("sorts before the full stop") << "(see below)"
                                                << "(see below)";
    QTest::newRow("hyphen sorts before") << "a-"
                                         << "a-";
    QTest::newRow("slash sorts after") << "a/"
                                       << "a/.";
    QTest::newRow("empty") << ""
                           << "";
}

void ErrorDialogTest::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(platform::errorDialogText(message), shown);
}

void ErrorDialogTest::realDialogShowsTitleIconTextAndOk()
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        modal = box->windowModality() == Qt::ApplicationModal;
        QTest::keyClick(box, Qt::Key_Return);
    });
    platform::showErrorDialog(QStringLiteral("Instruction privilégiée"));
    QCOMPARE(caption, QStringLiteral("VOLTARIX"));
    QCOMPARE(text, QStringLiteral("Instruction privilégiée."));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons.size(), 1);
    QVERIFY(modal);
}

void ErrorDialogTest::failureEndsTheHandlerAndIsShownOnce()
{
    DialogRecorder dialogs;
    bool after = false;
    platform::runHandler([&] {
        throw platform::PrivilegeError();
        after = true;
    });
    QVERIFY(!after);
    QCOMPARE(dialogs.texts, QStringList{QStringLiteral("Instruction privilégiée.")});
    QCOMPARE(dialogs.captions, QStringList{QStringLiteral("VOLTARIX")});
}

void ErrorDialogTest::triggeredClickFailsTheWholeChain()
{
    DialogRecorder dialogs;
    QPushButton inner, outer;
    QObject::connect(&inner, &QPushButton::clicked, &inner,
                     platform::handler([] { throw platform::JpegError(53); }));
    bool outerWentOn = false;
    QObject::connect(&outer, &QPushButton::clicked, &outer, platform::handler([&] {
        platform::Click(&inner);
        outerWentOn = true;
    }));
    QTest::mouseClick(&outer, Qt::LeftButton);
    QVERIFY(!outerWentOn);
    QCOMPARE(dialogs.texts, QStringList{QStringLiteral("Erreur JPEG #53.")});

    // Nothing is left over to trouble the next handler.
    QTest::mouseClick(&inner, Qt::LeftButton);
    QCOMPARE(dialogs.texts.size(), 2);
}

void ErrorDialogTest::nestedFailureWithoutTriggerIsStillShownOnce()
{
    DialogRecorder dialogs;
    QPushButton inner;
    QObject::connect(&inner, &QPushButton::clicked, &inner,
                     platform::handler([] { throw platform::ConvertError(QStringLiteral("x")); }));
    platform::runHandler([&] { inner.click(); });
    QCOMPARE(dialogs.texts, QStringList{QStringLiteral("x.")});
}

void ErrorDialogTest::foreignExceptionsAreShownToo()
{
    DialogRecorder dialogs;
    platform::runHandler([] { throw std::runtime_error("boom"); });
    platform::runHandler([] { throw 42; });
    QCOMPARE(dialogs.texts, (QStringList{QStringLiteral("boom."), QStringLiteral("Exception inconnue.")}));
}

int main(int argc, char* argv[])
{
    // The real application object, as the program has it: its title is the dialog's caption.
    platform::Application app(argc, argv);
    app.setTitle(QStringLiteral("VOLTARIX"));
    ErrorDialogTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errordialog.moc"
