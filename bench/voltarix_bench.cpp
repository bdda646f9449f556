// Holds the panel's costs against their floors. Each figure is a median over many
// repetitions; where it has a baseline, both are measured in the same run, interleaved.
// Usage: voltarix_bench [--json] [--no-guest]

#include "Floor.h"
#include "JpegWriter.h"
#include "Panel.h"
#include "Timing.h"
#include "Unit2.h"
#include "platform/JpegFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Figure
{
    QString name;
    double value = 0;     // what is measured, in its unit
    QString unit;         // "ms" or "MiB"
    double baseline = -1; // the same measure of the baseline, when there is one
    double ratio = -1;    // value / baseline, median of the interleaved pairs
    QString target;       // for the reader: "ratio <= 1.2", "+4 MiB at most"
    bool met = true;
};

QList<Figure> figures;

void report(const Figure& f)
{
    figures << f;
    QString line = QStringLiteral("%1 %2 %3").arg(f.name + u':', -14).arg(f.value, 9, 'f', 4).arg(f.unit);
    if (f.baseline >= 0)
        line += QStringLiteral("   baseline %1 %2").arg(f.baseline, 9, 'f', 4).arg(f.unit);
    if (f.ratio >= 0)
        line += QStringLiteral("   ratio %1").arg(f.ratio, 0, 'f', 3);
    if (!f.target.isEmpty())
        line += QStringLiteral("   target %1: %2")
                    .arg(f.target, f.met ? QStringLiteral("met") : QStringLiteral("MISSED"));
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString lampPath(const Panel& panel, QChar bit)
{
    return panel.filesDir() + (bit == u'1' ? QStringLiteral("1.jpg") : QStringLiteral("0.jpg"));
}

void benchRead(Panel& panel)
{
    panel.port.registers[0x378] = 0x81;
    PortAddr = 0x378;
    const QString bits = IntToBin(0x81);
    std::vector<std::string> paths;
    for (QChar bit : bits)
        paths.push_back(lampPath(panel, bit).toStdString());
    std::size_t sink = 0;
    const auto floor = [&] {
        sink += panel.port.read(0x378);
        for (const std::string& path : paths)
            sink += decodeJpegFloor(path);
    };
    const auto read = [&] { panel.form->Button1Click(nullptr); };
    const Paired r = interleaved(read, floor, 301, 20);
    report({QStringLiteral("read"), r.a * 1e3, QStringLiteral("ms"), r.b * 1e3, r.ratio,
            QStringLiteral("ratio <= 1.2"), r.ratio <= 1.2});

    panel.form->show();
    if (!QTest::qWaitForWindowExposed(panel.form.get()))
        std::puts("(the window was not exposed)");
    // The read, then the repaint it causes: the lamps and names it updated.
    const auto readPaint = [&] {
        panel.form->Button1Click(nullptr);
        QCoreApplication::processEvents();
    };
    const Paired p = interleaved(readPaint, floor, 101, 10);
    report({QStringLiteral("read+paint"), p.a * 1e3, QStringLiteral("ms"), p.b * 1e3, p.ratio,
            QStringLiteral("ratio < 3"), p.ratio < 3});
    if (sink == 0)
        std::puts("(floor decoded nothing)");
}

// A 4000 x 3000 picture: smooth colour gradients, or the same with fine detail all over
// (the costlier case: its rows hold more entropy-coded data to get through).
QImage bigPicture(bool detailed)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x * 255 / 4000, y * 255 / 3000, detailed ? (x ^ y) & 0xFF : 128);
    }
    return image;
}

void benchBigPicture(Panel& panel)
{
    const QString lamp = lampPath(panel, u'1');
    const QSize visible(43, 41);
    for (bool detailed : {false, true}) {
        const QString big = panel.workDir.filePath(QStringLiteral("big.jpg"));
        writeJpeg(big, bigPicture(detailed), JpegKind::Color, 90);
        const Paired r = interleaved([&] { platform::loadJpegFile(big, visible); },
                                     [&] { platform::loadJpegFile(lamp, visible); }, 101, 10);
        report({detailed ? QStringLiteral("big detailed") : QStringLiteral("big picture"), r.a * 1e3,
                QStringLiteral("ms"), r.b * 1e3, r.ratio, QStringLiteral("ratio <= 2"), r.ratio <= 2});
    }
}

void benchCompose(Panel& panel)
{
    auto* toggle = panel.control<QCheckBox>("CheckBox1");
    auto* label = panel.control<QLabel>("Label1");
    bool shown = true;
    const double seconds = median([&] {
        std::vector<double> samples;
        for (int i = 0; i < 201; ++i)
            samples.push_back(secondsPerCall(
                [&] {
                    const bool willBeChecked = !toggle->isChecked();
                    toggle->click();
                    shown = shown && label->text().endsWith(willBeChecked ? u'1' : u'0');
                },
                10));
        return samples;
    }());
    report({QStringLiteral("compose"), seconds * 1e3, QStringLiteral("ms"), -1, -1, {}, true});
    if (!shown)
        std::puts("(compose: the label did not follow the toggle)");
}

void benchSend(Panel& panel)
{
    OutValue = 0x55;
    std::vector<double> samples;
    for (int i = 0; i < 201; ++i)
        samples.push_back(secondsPerCall([&] { panel.form->Button3Click(nullptr); }, 100));
    report({QStringLiteral("send"), median(samples) * 1e3, QStringLiteral("ms"), -1, -1, {}, true});
    panel.port.log.clear();
}

struct Run
{
    double seconds = 0;
    double peakMiB = 0;
};

// Starts a program, waits for it, and tells its wall time and peak resident memory.
Run runProgram(const QString& program, const QString& workDir, const char* option = nullptr)
{
    const QByteArray path = program.toLocal8Bit();
    char* argv[] = {const_cast<char*>(path.constData()), const_cast<char*>(option), nullptr};
    int output[2];
    if (pipe(output) != 0)
        qFatal("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.toLocal8Bit().constData());
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv, environ) != 0)
        qFatal("cannot start %s", argv[0]);
    close(output[1]);
    int status = 0;
    waitpid(child, &status, 0);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    char text[64] = {};
    const ssize_t length = read(output[0], text, sizeof text - 1);
    close(output[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || length <= 0)
        qFatal("%s failed", argv[0]);
    return {spent.count(), std::atof(text) / 1024.0};
}

void benchStartUp(const Panel& panel)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString work = panel.workDir.path();
    const auto panelRun = [&] { return runProgram(dir + QStringLiteral("/bench_startup"), work); };
    const auto bareRun = [&] { return runProgram(dir + QStringLiteral("/bench_bare"), work); };
    const auto textRun = [&] { return runProgram(dir + QStringLiteral("/bench_bare"), work, "--text"); };
    panelRun(), bareRun(), textRun(); // warm the file cache
    std::vector<double> panelTimes, bareTimes, textTimes, bareRatios, textRatios, panelPeaks, barePeaks,
        textPeaks;
    for (int round = 0; round < 21; ++round) {
        const Run a = panelRun(), b = bareRun(), t = textRun();
        panelTimes.push_back(a.seconds);
        bareTimes.push_back(b.seconds);
        textTimes.push_back(t.seconds);
        bareRatios.push_back(a.seconds / b.seconds);
        textRatios.push_back(a.seconds / t.seconds);
        panelPeaks.push_back(a.peakMiB);
        barePeaks.push_back(b.peakMiB);
        textPeaks.push_back(t.peakMiB);
    }
    const double ratio = median(bareRatios);
    report({QStringLiteral("start-up"), median(panelTimes) * 1e3, QStringLiteral("ms"),
            median(bareTimes) * 1e3, ratio, QStringLiteral("ratio <= 1.2"), ratio <= 1.2});
    report({QStringLiteral("start-up/text"),
            median(panelTimes) * 1e3,
            QStringLiteral("ms"),
            median(textTimes) * 1e3,
            median(textRatios),
            {},
            true});
    const double extra = median(panelPeaks) - median(barePeaks);
    report({QStringLiteral("memory"), median(panelPeaks), QStringLiteral("MiB"), median(barePeaks), -1,
            QStringLiteral("+4 MiB at most (+%1)").arg(extra, 0, 'f', 2), extra <= 4});
    report({QStringLiteral("memory/text"),
            median(panelPeaks),
            QStringLiteral("MiB"),
            median(textPeaks),
            -1,
            {},
            true});
}

void benchGuestPort(const Panel& panel)
{
    QProcess guest;
    guest.start(QStringLiteral(VOLTARIX_GUEST_BENCH),
                {QCoreApplication::applicationDirPath() + QStringLiteral("/bench_guestport"),
                 QStringLiteral(VOLTARIX_SOURCE_FILES), panel.workDir.filePath(QStringLiteral("guest"))});
    guest.waitForFinished(600000);
    const QString line = QString::fromLocal8Bit(guest.readAllStandardOutput()).trimmed();
    static const QRegularExpression format(
        QStringLiteral("^port access: PortIn ([0-9.]+) us, bare in ([0-9.]+) us, ratio ([0-9.]+)$"));
    const QRegularExpressionMatch figures = format.match(line);
    if (guest.exitCode() != 0 || !figures.hasMatch()) {
        std::printf("port access:  unavailable (%s)\n",
                    qPrintable(line + QString::fromLocal8Bit(guest.readAllStandardError()).trimmed()));
        return;
    }
    const double ratio = figures.captured(3).toDouble();
    report({QStringLiteral("port access"), figures.captured(1).toDouble(), QStringLiteral("us"),
            figures.captured(2).toDouble(), ratio, QStringLiteral("ratio <= 1.1"), ratio <= 1.1});
}

QJsonObject asJson()
{
    QJsonObject all;
    for (const Figure& f : figures) {
        QJsonObject one{{QStringLiteral("value"), f.value}, {QStringLiteral("unit"), f.unit}};
        if (f.baseline >= 0)
            one[QStringLiteral("baseline")] = f.baseline;
        if (f.ratio >= 0)
            one[QStringLiteral("ratio")] = f.ratio;
        if (!f.target.isEmpty()) {
            one[QStringLiteral("target")] = f.target;
            one[QStringLiteral("met")] = f.met;
        }
        all[f.name] = one;
    }
    return all;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    {
        Panel panel;
        panel.start();
        benchRead(panel);
        benchBigPicture(panel);
        benchCompose(panel);
        benchSend(panel);
        benchStartUp(panel);
        if (!args.contains(QStringLiteral("--no-guest")))
            benchGuestPort(panel);
    }
    if (args.contains(QStringLiteral("--json")))
        std::printf("%s\n", QJsonDocument(asJson()).toJson(QJsonDocument::Compact).constData());
    return 0;
}
