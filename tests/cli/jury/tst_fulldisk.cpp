// The checker's reports on a file system that is really full. A small one is mounted in
// a user and mount namespace of its own, which needs no super-user rights where the
// system allows such namespaces; elsewhere the test is skipped. The fault-injecting
// tests of the writing code cover the same failures on every machine.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Exit status of the script when the file system could not be made.
constexpr int cannotMount = 99;

const char fullDiskScript[] = R"sh(
disk="$1"; checker="$2"; task="$3"; reference="$4"
mount -t tmpfs -o size=64k none "$disk" || exit 99
judge() { "$checker" --jury --task "$task" --reference "$reference" --report "$disk/r.$1" "$reference"; }
# The old reports, kept beside the disk to compare: a report replaces only one of its own.
for format in txt csv json pdf; do judge $format >/dev/null 2>&1; cp "$disk/r.$format" "$disk.r.$format"; done
dd if=/dev/zero of="$disk/fill" bs=1k count=256 2>/dev/null
for format in txt csv json pdf; do
    judge $format >/dev/null
    echo "exit $?"
    cmp -s "$disk/r.$format" "$disk.r.$format" && echo "old $format"
done
rm -f "$disk".r.*
ls -A "$disk"
)sh";

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void reportsOnAFullDisk();
};

void TestFullDisk::reportsOnAFullDisk()
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        QSKIP("no unshare program: a small file system cannot be made without super-user rights");
    QTemporaryDir disk;
    QTemporaryDir runtime;
    QVERIFY(disk.isValid() && runtime.isValid());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    const QString letter = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter");
    process.start(unshare,
                  {QStringLiteral("--user"), QStringLiteral("--map-root-user"), QStringLiteral("--mount"),
                   QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(fullDiskScript),
                   QStringLiteral("sh"), disk.path(), QStringLiteral(SHAGAIKA_CHECK_BINARY), letter,
                   letter + QStringLiteral("/solution.txt")});
    QVERIFY(process.waitForFinished(120000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (process.exitCode() == cannotMount || (process.exitCode() != 0 && errors.contains("unshare")))
        QSKIP(qPrintable("user and mount namespaces are not allowed here, so no small file system "
                         "can be made without super-user rights: "
                         + errors.trimmed()));
    QCOMPARE(process.exitCode(), 0);

    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QStringList formats{"txt", "csv", "json", "pdf"};
    QCOMPARE(
        lines.mid(0, 8),
        (QStringList{"exit 2", "old txt", "exit 2", "old csv", "exit 2", "old json", "exit 2", "old pdf"}));
    // No temporary file is left behind.
    QCOMPARE(lines.mid(8), (QStringList{"fill", "r-tests.csv", "r.csv", "r.json", "r.pdf", "r.txt"}));
    for (const QString &format : formats) {
        // A CSV report writes its tests' file first, and that is the one the full disk stops.
        const QString shown =
            disk.path() + (format == "csv" ? QStringLiteral("/r-tests.csv") : "/r." + format);
        const QString kept = QStringLiteral(" (прежний файл не изменён)");
        QVERIFY2(
            errors.contains(QStringLiteral("Не удаётся записать файл %1%2: на диске нет свободного места")
                                .arg(shown, kept)),
            qPrintable(errors));
    }
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
