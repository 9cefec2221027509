// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions run through both programs, varnock-console and
// varnock-replay (the real window): their outputs must agree line for line.
// Every script is made of valid commands from a seeded generator, dumps and
// an occasional close included, so that a failure names a seed that gives
// the same script again. Some sessions work the scratch pad hard, which the
// generator seldom does.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "RandomCommands.h"

namespace {

constexpr int kSessions = 250;
constexpr int kPadSessions = 50;
constexpr std::uint32_t kFirstSeed = 1;
// Per program run, in milliseconds: far beyond what a script needs.
constexpr int kRunTimeout = 60000;

struct Run {
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Run runProgram(const QString& program, const QString& script) {
    QProcess process;
    process.setProgram(program);
    process.setArguments({script});
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    Run run;
    if (!process.waitForFinished(kRunTimeout) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        run.err = "did not finish normally";
        return run;
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.status = process.exitCode();
    return run;
}

// The first line where the two texts part, both sides shown.
QString firstDifference(const QByteArray& console, const QByteArray& replay) {
    const QList<QByteArray> left = console.split('\n');
    const QList<QByteArray> right = replay.split('\n');
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const QByteArray a = i < left.size() ? left[i] : "(end of output)";
        const QByteArray b = i < right.size() ? right[i] : "(end of output)";
        if (a != b) {
            return QStringLiteral("line %1:\n  console: %2\n  replay:  %3")
                .arg(i + 1)
                .arg(QString::fromUtf8(a), QString::fromUtf8(b));
        }
    }
    return QString();
}

}  // namespace

class RandomAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bothProgramsPrintTheSame_data();
    void bothProgramsPrintTheSame();

private:
    QTemporaryDir m_scripts;
};

void RandomAgreementTest::initTestCase() { QVERIFY(m_scripts.isValid()); }

void RandomAgreementTest::bothProgramsPrintTheSame_data() {
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<bool>("padWork");
    for (int i = 0; i < kSessions + kPadSessions; ++i) {
        const std::uint32_t seed = kFirstSeed + static_cast<std::uint32_t>(i);
        const bool padWork = i >= kSessions;
        QTest::addRow(padWork ? "pad seed %u" : "seed %u", seed) << seed << padWork;
    }
}

void RandomAgreementTest::bothProgramsPrintTheSame() {
    QFETCH(std::uint32_t, seed);
    QFETCH(bool, padWork);
    const QByteArray script =
        QByteArray::fromStdString(varnock::testing::randomSessionScript(seed, padWork));
    const QString path = m_scripts.filePath(QStringLiteral("seed-%1.txt").arg(seed));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();

    const Run console = runProgram(QStringLiteral(VARNOCK_CONSOLE_PROGRAM), path);
    const Run replay = runProgram(QStringLiteral(VARNOCK_REPLAY_PROGRAM), path);
    QCOMPARE(console.status, 0);
    QVERIFY2(console.err.isEmpty(), console.err.constData());

    // What a failure shows: the seed, what differs and the whole script.
    const auto report = [&](const QString& what) {
        return QStringLiteral("%1seed %2: %3\nscript:\n%4")
            .arg(padWork ? "pad " : "")
            .arg(seed)
            .arg(what, QString::fromUtf8(script))
            .toLocal8Bit();
    };
    QVERIFY2(replay.err == console.err,
             report("standard error differs:\n" + QString::fromUtf8(replay.err)).constData());
    QVERIFY2(replay.out == console.out,
             report("standard output differs at " + firstDifference(console.out, replay.out))
                 .constData());
    QVERIFY2(replay.status == console.status,
             report(QStringLiteral("exit status %1, the console's %2")
                        .arg(replay.status)
                        .arg(console.status))
                 .constData());
}

QTEST_GUILESS_MAIN(RandomAgreementTest)
#include "RandomAgreementTest.moc"
