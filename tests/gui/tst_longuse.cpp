#include "support/modaldriver.h"
#include "support/testwindow.h"

#include "calc/answer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

// A long session: the answer box keeps every result however many there
// are, and huge replies pasted into a prompt are taken in their stride.
class LongUseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { window_ = std::make_unique<TestWindow>(); }
    void cleanup() { window_.reset(); }

    void tenThousandResults();
    void hugePastedReplies();

private:
    std::unique_ptr<TestWindow> window_;
};

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

qint64 residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

void LongUseTest::tenThousandResults()
{
    constexpr int kResults = 10000;
    const qint64 before = residentKib();
    QString expected;
    for (int i = 0; i < kResults; ++i) {
        const double value = (i % 2 ? -1 : 1) * (i + 1) / 7.0;
        window_->window()->appendAnswer(value);
        expected += QString::fromStdString(calc::formatAnswer(value));
        if (i % 500 == 0)
            QCoreApplication::processEvents(); // let it repaint, as between clicks
    }
    const QString text = window_->answers()->text();
    QCOMPARE(text.size(), expected.size());
    QVERIFY(text.endsWith(QStringLiteral("-1428.5714286")));
    QVERIFY(text == expected); // every result, in order (not QCOMPARE: 100k characters)

    // The box's text and its layout, not a leak per click: well under 64 MiB.
    // AddressSanitizer keeps freed memory in quarantine on purpose; its leak
    // checker covers that build instead.
    const qint64 grown = residentKib() - before;
    if (!kAddressSanitizer)
        QVERIFY2(grown < qint64(64) * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
}

void LongUseTest::hugePastedReplies()
{
    // g: "10." and 99,997 zeros; t: "3" and 99,999 Chinese characters.
    const QString g = QStringLiteral("10.") + QString(99997, QLatin1Char('0'));
    const QString t = QStringLiteral("3") + QString(99999, QChar(0x6C49));
    ModalDriver driver;
    driver.paste(g).paste(t);
    QElapsedTimer timer;
    timer.start();
    window_->click("Command2");
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window_->answers()->text(), QStringLiteral("45.0000000"));
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

QTEST_MAIN(LongUseTest)
#include "tst_longuse.moc"
