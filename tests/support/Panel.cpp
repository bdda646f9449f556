#include "Panel.h"

#include "platform/JpegFile.h"
#include "platform/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Panel::Panel(Pictures pictures) : previousDir(QDir::currentPath())
{
    OutValue = 0;
    PortAddr = 0;
    PortBits.clear();
    ImageDir.clear();
    if (pictures == WithPictures) {
        QDir(workDir.path()).mkdir(QStringLiteral("Files"));
        for (const char* name : {"1.jpg", "0.jpg"})
            QFile::copy(QStringLiteral(VOLTARIX_SOURCE_FILES "/") + QLatin1String(name),
                        filesDir() + QLatin1String(name));
    }
    QDir::setCurrent(workDir.path());
}

Panel::~Panel()
{
    Form1 = nullptr;
    Form3 = nullptr;
    QDir::setCurrent(previousDir);
}

void Panel::start()
{
    form = std::make_unique<TForm1>();
    about = std::make_unique<TForm3>();
    Form1 = form.get();
    Form3 = about.get();
}

QString Panel::caption(const char* labelName) const
{
    return control<QLabel>(labelName)->text();
}

QString Panel::lamps() const
{
    const QSize size(43, 41);
    const QImage lit = platform::loadJpegFile(QStringLiteral(VOLTARIX_SOURCE_FILES "/1.jpg"), size);
    const QImage dark = platform::loadJpegFile(QStringLiteral(VOLTARIX_SOURCE_FILES "/0.jpg"), size);
    QString states;
    for (int k = 1; k <= 8; ++k) {
        const QImage& shown =
            control<platform::PictureBox>(qPrintable(QStringLiteral("Image%1").arg(k)))->picture();
        states += shown.isNull() ? u'-' : shown == lit ? u'1' : shown == dark ? u'0' : u'?';
    }
    return states;
}

QString Panel::lineNames() const
{
    QStringList names;
    for (int k = 11; k <= 18; ++k)
        names << caption(qPrintable(QStringLiteral("Label%1").arg(k)));
    return names.join(u' ');
}

void Panel::chooseRegister(int item)
{
    auto* button = control<QRadioButton>(qPrintable(QStringLiteral("RadioGroup1_item%1").arg(item)));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Panel::clickButton(const char* name)
{
    QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
}
