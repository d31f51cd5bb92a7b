// The core's per-user data location must be the folder Qt names, or the
// window's and radio-cli's backups would part ways with earlier releases.

#include "app/Backups.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class DataLocationTest : public QObject {
    Q_OBJECT

    static QString core() { return QString::fromStdString(radio::backups::userDataLocation()); }
    static QString qt() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }

private slots:
    void equalsQtsGenericDataLocation() {
        const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
        const QByteArray savedHome = qgetenv("HOME");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", home.path().toUtf8());

        qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/xdg")).toUtf8());
        QCOMPARE(core(), qt());
        QCOMPARE(core(), home.path() + QStringLiteral("/xdg"));

        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(core(), qt());
        QCOMPARE(core(), home.path() + QStringLiteral("/.local/share"));

        // A home given with doubled and trailing separators.
        qputenv("HOME", (home.path() + QStringLiteral("//sub/")).toUtf8());
        QCOMPARE(core(), qt());

        qputenv("HOME", savedHome);
        if (savedXdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedXdg);
    }
};

QTEST_GUILESS_MAIN(DataLocationTest)
#include "data_location_test.moc"
