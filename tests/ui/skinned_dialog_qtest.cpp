// A skinned dialog as the user handles it: its size around the client area, the caption
// buttons pressed, released and left, the caption text, the cut corners, the themed background,
// and the desktop's frame when asked for.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "reading_order.h"
#include "ui/dialogs/message_box.h"
#include "ui/toolkit/skin_theme.h"
#include "ui/toolkit/skinned_dialog.h"

using namespace plx;

namespace {

// A shown dialog of 300 x 200 client pixels in theme 1.
struct Shown {
    CSKDialog dialog;

    explicit Shown(Qt::LayoutDirection direction = Qt::LeftToRight,
                   Qt::WindowFlags buttons = Qt::WindowCloseButtonHint) {
        dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | buttons);
        dialog.setLayoutDirection(direction);
        dialog.resize(300, 200);
        dialog.SetSkin(kDialogSkin);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qFatal("the dialog is not shown");
    }

    QPoint Centre(FrameHit button) const { return dialog.ButtonRect(button).center(); }
};

}  // namespace

class SkinnedDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AddProgramSkinThemes(); }

    void themesHaveTheirPicturesSizes() {
        for (int index : {kMainWindowSkin, kDialogSkin}) {
            const SkinTheme* theme = SkinThemeAt(index);
            QVERIFY(theme);
            QCOMPARE(FrameBordersOf(theme->metrics, false), QMargins(11, 38, 11, 12));
            QCOMPARE(FrameBordersOf(theme->metrics, true), QMargins(11, 38, 11, 12));
            QCOMPARE(theme->metrics.sizes[kSlotClose], QSize(16, 16));
        }
        QCOMPARE(MinimumFrameSize(SkinThemeAt(kMainWindowSkin)->metrics), QSize(248, 50));
        QCOMPARE(MinimumFrameSize(SkinThemeAt(kDialogSkin)->metrics), QSize(84, 50));
        QVERIFY(!SkinThemeAt(2));
        QVERIFY(!SkinThemeAt(-1));
    }

    void clientAreaKeepsItsSize() {
        CSKDialog dialog;
        dialog.resize(300, 200);
        dialog.SetSkin(kDialogSkin);
        QCOMPARE(dialog.size(), QSize(322, 250));
        QCOMPARE(dialog.ClientRect(), QRect(11, 38, 300, 200));
        // Another theme keeps it too; an index outside the table changes nothing.
        dialog.SetSkin(kMainWindowSkin);
        QCOMPARE(dialog.size(), QSize(322, 250));
        dialog.SetSkin(7);
        QCOMPARE(dialog.Theme(), kMainWindowSkin);
        // Never smaller than the close box and both top corners.
        dialog.resize(20, 20);
        QCOMPARE(dialog.size(), QSize(248, 50));
    }

    void closeNeedsPressAndReleaseOnIt() {
        Shown shown;
        CSKDialog& dialog = shown.dialog;
        const QPoint close = shown.Centre(FrameHit::kClose);
        const QPoint away(150, 20);
        QTest::mousePress(&dialog, Qt::LeftButton, {}, close);
        QCOMPARE(dialog.HoverCode(), FrameHit::kClose);
        QTest::mouseMove(&dialog, away);
        QCOMPARE(dialog.HoverCode(), FrameHit::kCaption);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, away);
        QVERIFY(dialog.isVisible());

        // Pressed elsewhere and released on the button does not close either.
        QTest::mousePress(&dialog, Qt::LeftButton, {}, away);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, close);
        QVERIFY(dialog.isVisible());

        QTest::mouseClick(&dialog, Qt::LeftButton, {}, close);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void hoverFollowsThePointer() {
        Shown shown;
        CSKDialog& dialog = shown.dialog;
        QTest::mouseMove(&dialog, shown.Centre(FrameHit::kClose));
        QCOMPARE(dialog.HoverCode(), FrameHit::kClose);
        QTest::mouseMove(&dialog, QPoint(150, 120));
        QCOMPARE(dialog.HoverCode(), FrameHit::kCaption);
        QTest::mouseMove(&dialog, shown.Centre(FrameHit::kClose));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&dialog, &leave);
        QCOMPARE(dialog.HoverCode(), FrameHit::kCaption);
    }

    void minimiseOnlyWindow() {
        Shown shown(Qt::LeftToRight, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        CSKDialog& dialog = shown.dialog;
        const int w = dialog.width();
        QCOMPARE(dialog.ButtonRect(FrameHit::kClose), QRect(w - 26, 10, 16, 16));
        QCOMPARE(dialog.ButtonRect(FrameHit::kMinimize), QRect(w - 45, 10, 16, 16));
        QVERIFY(dialog.ButtonRect(FrameHit::kMaximize).isEmpty());
        // Without a maximise box a double click on the caption does nothing.
        QTest::mouseDClick(&dialog, Qt::LeftButton, {}, QPoint(150, 20));
        QVERIFY(!dialog.isMaximized());
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, shown.Centre(FrameHit::kMinimize));
        QVERIFY(dialog.isMinimized());
    }

    void maximiseByButtonAndDoubleClick() {
        Shown shown(Qt::LeftToRight, Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
        CSKDialog& dialog = shown.dialog;
        QTest::mouseDClick(&dialog, Qt::LeftButton, {}, QPoint(150, 20));
        QTRY_VERIFY(dialog.isMaximized());
        QCOMPARE(dialog.ButtonRect(FrameHit::kClose).top(), 3);
        // Its edges are frame, no longer handles that resize it.
        QCOMPARE(dialog.HitTest(QPoint(dialog.width() - 1, dialog.height() / 2)),
                 FrameHit::kCaption);
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, shown.Centre(FrameHit::kMaximize));
        QTRY_VERIFY(!dialog.isMaximized());
        QCOMPARE(dialog.ButtonRect(FrameHit::kClose).top(), 10);
    }

    void rightToLeftMirrorsTheButtons() {
        Shown shown(Qt::RightToLeft);
        CSKDialog& dialog = shown.dialog;
        QCOMPARE(dialog.ButtonRect(FrameHit::kClose), QRect(10, 10, 16, 16));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(18, 18));
        QVERIFY(!dialog.isVisible());
    }

    void frameCaptionOutlivesTitleChanges() {
        CSKDialog dialog;
        dialog.setWindowTitle(QStringLiteral("First"));
        dialog.SetSkin(kDialogSkin);
        QCOMPARE(dialog.CaptionText(), QStringLiteral("First"));
        dialog.setWindowTitle(QStringLiteral("Second"));
        QCOMPARE(dialog.CaptionText(), QStringLiteral("Second"));

        dialog.SetFrameCaption(QString());
        dialog.setWindowTitle(QStringLiteral("Third"));
        QCOMPARE(dialog.CaptionText(), QString());
        dialog.SetFrameCaption(QStringLiteral("Status"));
        dialog.setWindowTitle(QStringLiteral("Fourth"));
        dialog.SetSkin(kMainWindowSkin);
        QCOMPARE(dialog.CaptionText(), QStringLiteral("Status"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Fourth"));
    }

    // The main window's corner has room for the program's title, which is written in the
    // window's language beside the icon; the pictures carry no words of their own.
    void programTitleIsWrittenBesideTheIcon_data() {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << Qt::LeftToRight << QStringLiteral("plx Hebrew Calendar");
        QTest::newRow("Hebrew") << Qt::RightToLeft << QStringLiteral("לוח שנה עברי plx");
    }

    void programTitleIsWrittenBesideTheIcon() {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, title);
        CSKDialog dialog;
        dialog.setLayoutDirection(direction);
        dialog.resize(400, 200);
        dialog.SetSkin(kMainWindowSkin);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const SkinTheme* theme = SkinThemeAt(kMainWindowSkin);
        QVERIFY(!theme->titleArea.isEmpty());
        QVERIFY(SkinThemeAt(kDialogSkin)->titleArea.isEmpty());
        const QRect area = direction == Qt::RightToLeft
                               ? MirroredRect(theme->titleArea, dialog.width())
                               : theme->titleArea;
        dialog.SetFrameTitle(QString());
        const QImage bare = dialog.grab(area).toImage();
        const QRgb titleColour = theme->titleColour.rgb();
        for (int y = 0; y < bare.height(); ++y) {
            for (int x = 0; x < bare.width(); ++x)
                QVERIFY(bare.pixel(x, y) != titleColour);
        }
        dialog.SetFrameTitle(title);
        const test::InkSpan ink = test::DifferingColumns(bare, dialog.grab(area).toImage());
        QVERIFY(!ink.empty());
        const int fromIcon = direction == Qt::RightToLeft ? bare.width() - 1 - ink.right : ink.left;
        QVERIFY(fromIcon < 3 * bare.devicePixelRatio());
    }

    void maskLeavesOutTheKeyPixels() {
        for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            CSKDialog dialog;
            dialog.setLayoutDirection(direction);
            dialog.resize(300, 200);
            dialog.SetSkin(kDialogSkin);
            const QRegion mask = dialog.mask();
            const SkinTheme& theme = *SkinThemeAt(kDialogSkin);
            const bool rtl = direction == Qt::RightToLeft;
            const QSize window = dialog.size();
            const CornerSlots corners = CornerSlotsOf(rtl);
            int cut = 0;
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const SkinPicture& picture = theme.pictures[corners[i]];
                QVERIFY(!picture.KeyPixels().isEmpty());
                const QPoint at(i % 2 ? window.width() - picture.Size().width() : 0,
                                i >= 2 ? window.height() - picture.Size().height() : 0);
                for (const QRect& run : picture.KeyPixels()) {
                    for (int x = run.left(); x <= run.right(); ++x) {
                        QPoint p = QPoint(x, run.top()) + at;
                        if (rtl)
                            p.setX(window.width() - 1 - p.x());
                        QVERIFY(!mask.contains(p));
                        ++cut;
                    }
                }
            }
            // Nothing but the key pixels is cut.
            qint64 area = 0;
            for (const QRect& r : mask)
                area += qint64(r.width()) * r.height();
            QCOMPARE(area, qint64(window.width()) * window.height() - cut);
            QVERIFY(!mask.contains(QPoint(0, 0)));
            QVERIFY(!mask.contains(QPoint(window.width() - 1, window.height() - 1)));
        }
    }

    void backgroundIsTheThemesColour() {
        CSKDialog dialog;
        auto* label = new QLabel(QStringLiteral("text"), &dialog);
        dialog.resize(300, 200);
        dialog.SetSkin(kDialogSkin);
        QCOMPARE(dialog.BackgroundColor(), QColor(230, 230, 230));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(230, 230, 230));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(230, 230, 230));
        QCOMPARE(dialog.grab().toImage().pixelColor(150, 150), QColor(230, 230, 230));
    }

    void dialogsTakeTheDialogThemeWhenShown() {
        CSKDialog dialog;
        QCOMPARE(dialog.Theme(), -1);
        dialog.show();
        QCOMPARE(dialog.Theme(), kDialogSkin);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    }

    // The box's size formula counts the frame's borders: the window is exactly that wide.
    void messageBoxSizesItsFramedWindow() {
        for (bool hebrew : {false, true}) {
            CMessageBoxDlg box(hebrew, nullptr);
            box.Prepare(QStringLiteral("Delete?"), QStringLiteral("plx"), MessageBoxButtons::YesNo);
            QCOMPARE(box.Theme(), kDialogSkin);
            const QSize button = box.Button(MessageBoxAnswer::Yes)->size();
            QCOMPARE(box.width(), 2 * (button.width() + 2) + 28);
            const int text = box.MessageLabel()->height();
            QCOMPARE(box.height(), 38 + 15 + button.height() + text + 12);
            for (QWidget* w : {static_cast<QWidget*>(box.MessageLabel()),
                               static_cast<QWidget*>(box.Button(MessageBoxAnswer::Yes)),
                               static_cast<QWidget*>(box.Button(MessageBoxAnswer::No))}) {
                QVERIFY(box.ClientRect().contains(w->geometry()));
            }
            // Without a caption the box wears the wide corner, and is at least as wide as it.
            box.Prepare(QStringLiteral("Delete?"), QString(), MessageBoxButtons::YesNo);
            QCOMPARE(box.Theme(), kMainWindowSkin);
            QCOMPARE(box.width(), 248);
            const QRect yes = box.Button(MessageBoxAnswer::Yes)->geometry();
            const QRect no = box.Button(MessageBoxAnswer::No)->geometry();
            QVERIFY(qAbs(yes.united(no).center().x() - box.ClientRect().center().x()) <= 1);
        }
    }

    void nativeFrameKeepsTheDesktopsFrame() {
        SetNativeFrame(true);
        CSKDialog dialog;
        dialog.resize(300, 200);
        dialog.SetSkin(kDialogSkin);
        dialog.show();
        SetNativeFrame(false);
        QCOMPARE(dialog.Theme(), -1);
        QCOMPARE(dialog.size(), QSize(300, 200));
        QVERIFY(!(dialog.windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(dialog.HitTest(QPoint(1, 1)), FrameHit::kClient);
    }
};

QTEST_MAIN(SkinnedDialogTest)
#include "skinned_dialog_qtest.moc"
