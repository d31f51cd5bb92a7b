// The channel grid's display: texts of a loaded image in both languages, the
// model/band refresh (title, band limits, last used values), layout, and
// grid-to-image leaving valid channels unchanged.

#include "window_fixture.h"

#include "model/ChannelTable.h"
#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramDoc.h"
#include "ui/qt/channels/ProgramView.h"
#include "ui/qt/shell/MainFrame.h"

#include <QHeaderView>

namespace {
void setRecord(radio::Image& img, int ch, std::initializer_list<uint8_t> rec) {
    int i = 0;
    for (uint8_t b : rec)
        img[ch * 16 + i++] = b;
}
// Channel 1: 462.56250 / 467.56250, tone 67.0 (670 = 0x029E) on receive, high power,
// wide, busy lock off, scrambler 3, scan add on. Channel 2: Rx only (empty).
radio::Image sampleImage(int type, int band) {
    radio::Image img = radio::newDocumentImage();
    setRecord(img, 1,
              {0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x75, 0x46, 0x9E, 0x02, 0xFF, 0xFF, 0xE7, 0xFF,
               0xE3, 0xFF});
    setRecord(img, 2, {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF});
    img[0x17E] = 0x03; // scan add on channels 1 and 2
    img[0x3DE] = uint8_t(type);
    img[0x3DF] = uint8_t(band);
    return img;
}
} // namespace

class GridViewTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_values;

private slots:
    void initTestCase() { isolateUserValues(m_values); }

    void loadedImageInBothLanguages_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("row1");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << QByteArray("English")
                                 << QStringList{"462.56250", "467.56250", "67.0", "None", "High",
                                                "Yes",       "Off",       "Wide", "On",   "3"}
                                 << "TestTool Programming Software  [ Type:TR-1  Fre:450-470 ]";
        QTest::newRow("Chinese") << QByteArray("Chinese")
                                 << QStringList{"462.56250", "467.56250", "67.0", "无", "高",
                                                "有",        "关",        "宽",   "开", "3"}
                                 << "测试 写频软件  [ 类型:TR-1  频率:450-470 ]";
    }
    void loadedImageInBothLanguages() {
        QFETCH(QByteArray, language);
        QFETCH(QStringList, row1);
        QFETCH(QString, title);
        TempProgram prog(language.constData());
        std::unique_ptr<CProgramApp> app;
        CProgramView* v = startWithImage(prog, app, sampleImage(0, 1));
        QVERIFY(v);
        QStringList shown;
        for (int c = 1; c < 11; ++c)
            shown << v->grid()->textMatrix(1, c);
        QCOMPARE(shown, row1);
        // An empty channel shows its receive frequency and nothing else.
        QCOMPARE(v->grid()->textMatrix(2, 1), QStringLiteral("446.00625"));
        for (int c = 2; c < 11; ++c)
            QCOMPARE(v->grid()->textMatrix(2, c), QString());
        QCOMPARE(v->grid()->textMatrix(16, 0), QStringLiteral("16"));
        QCOMPARE(v->grid()->textMatrix(1, 0), QStringLiteral(" 1"));
        QCOMPARE(app->mainFrame()->windowTitle(), title + QStringLiteral("[*]"));
        QCOMPARE(v->bandLow(), 45000000);
        QCOMPARE(v->bandHigh(), 47000000);
        // The table others read is the grid itself.
        QCOMPARE(QString::fromStdString(v->table()[1][1]), row1[0]);
    }

    void bandIndexPastTheListTakesTheLast() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        CProgramView* v = startWithImage(prog, app, sampleImage(0, 5));
        QVERIFY(v);
        QCOMPARE(v->bandLow(), 45000000);
        QCOMPARE(v->bandHigh(), 47000000);
    }

    void freshDocumentTakesTheLastUsedModel() {
        TempProgram prog;
        {
            // Opening a file makes its model and band the last used ones...
            std::unique_ptr<CProgramApp> app;
            QVERIFY(startWithImage(prog, app, sampleImage(2, 0)));
        }
        // ...which the next new document takes.
        START_PROGRAM_IN(prog);
        CProgramDoc* doc = app->mainFrame()->activeDocument();
        QCOMPARE(int(doc->m_image[0x3DE]), 2);
        QCOMPARE(int(doc->m_image[0x3DF]), 0);
        QCOMPARE(app->mainFrame()->windowTitle(),
                 QStringLiteral("TestTool Programming Software  [ Type:TR-3  Fre:460-470 ][*]"));
        QCOMPARE(app->mainFrame()->activeView()->bandLow(), 46000000);
    }

    void gridToImageKeepsValidChannels() {
        TempProgram prog;
        std::unique_ptr<CProgramApp> app;
        radio::Image img = sampleImage(0, 0);
        img[0x17E] = 0x01; // the empty channel 2 carries no scan-add bit
        CProgramView* v = startWithImage(prog, app, img);
        QVERIFY(v);
        v->GridToImage();
        QCOMPARE(bytes(v->document()->m_image).mid(16, 16), bytes(img).mid(16, 16));
        QCOMPARE(int(v->document()->m_image[0x17E]), 0x01);
    }

    void layoutFitsHeaders() {
        for (const char* language : {"English", "Chinese"}) {
            START_PROGRAM(language);
            CChannelGrid* g = app->mainFrame()->activeView()->grid();
            const int w = g->baseColumnWidth();
            QCOMPARE(g->columnWidth(0), int(w * 0.5));
            QCOMPARE(g->columnWidth(1), int(w * 1.2));
            QCOMPARE(g->columnWidth(4), int(w * 1.1));
            QCOMPARE(g->columnWidth(7), int(w * 0.9));
            QCOMPARE(g->columnWidth(10), w);
            const QFontMetrics fm(g->horizontalHeader()->font());
            for (int c = 0; c < 11; ++c)
                QVERIFY2(fm.horizontalAdvance(g->textMatrix(0, c)) < g->columnWidth(c),
                         qPrintable(g->textMatrix(0, c)));
            QCOMPARE(g->horizontalHeaderItem(3)->foreground().color(), QColor(0, 50, 240));
            // The window shows the whole grid.
            QVERIFY(app->mainFrame()->activeView()->width() >= g->fullSize().width());
        }
    }
};

QTEST_MAIN(GridViewTest)
#include "gridview_test.moc"
