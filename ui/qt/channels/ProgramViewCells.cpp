// In-place editing of the channel grid: one editor per column laid over the
// current cell, committed through the radio's rules when the cell is left.

#include "ui/qt/channels/ChannelGrid.h"
#include "ui/qt/channels/ProgramView.h"

#include "app/AppState.h"
#include "model/CellCommit.h"
#include "model/Codecs.h"
#include "model/DataTexts.h"
#include "model/StringTable.h"
#include "model/qt/Translate.h"
#include "ui/CommandIds.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Columns past the scrambler share its list, like the grid's own lookup.
int editorColumn(int column) {
    return column < radio::ColRx || column > radio::ColScrambler ? int(radio::ColScrambler)
                                                                 : column;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void CProgramView::createEditors() {
    // The editors themselves are built when a cell of their column is first
    // edited (see cellEditor): the tone lists are long, and a window that is
    // only looked at never needs them.
    m_grid->installEventFilter(this);
    connect(m_grid, &CChannelGrid::enterCell, this, [this] { OnEnterCell(); });
    connect(m_grid, &CChannelGrid::mouseDown, this, [this] { OnEnterCell(); });
    connect(m_grid, &CChannelGrid::leaveCell, this, [this] { OnLeaveCell(); });
    connect(m_grid, &CChannelGrid::scrolled, this, [this] { OnGridScroll(); });
    connect(m_grid, &CChannelGrid::layoutChanged, this, [this] { placeEditor(); });

    auto* factory = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11), this);
    factory->setContext(Qt::WidgetWithChildrenShortcut);
    connect(factory, &QShortcut::activated, this, &CProgramView::factoryModeRequested);
}

QWidget*& CProgramView::editorSlot(int column) const {
    return m_editors[editorColumn(column)];
}

QWidget* CProgramView::createEditor(int column) const {
    static const int kControlIds[radio::kGridCols] = {
        0,
        ids::IDC_EDIT_RX,
        ids::IDC_EDIT_TX,
        ids::IDC_CB_DECODE,
        ids::IDC_CB_ENCODE,
        ids::IDC_CB_POWER,
        ids::IDC_CB_SCAN_ADD,
        ids::IDC_CB_BUSY_LOCK,
        ids::IDC_CB_WIDTH,
        ids::IDC_CB_COMPAND,
        ids::IDC_CB_SCRAMBLER,
    };
    auto* self = const_cast<CProgramView*>(this);
    QWidget* host = m_grid->viewport();
    const int id = kControlIds[column];
    QWidget* editor = nullptr;
    if (column == radio::ColRx || column == radio::ColTx) {
        auto* e = new QLineEdit(host);
        e->setFrame(false);
        e->setAlignment(Qt::AlignCenter);
        e->setObjectName(QStringLiteral("edit%1").arg(id));
        editor = e;
    } else {
        auto* cb = new QComboBox(host);
        QStringList entries;
        for (const std::string& entry : radio::columnEntries(column, language()))
            entries << qs(entry);
        cb->addItems(entries);
        cb->setObjectName(QStringLiteral("list%1").arg(id));
        cb->setMaxVisibleItems(12);
        editor = cb;
    }
    editor->setProperty("controlId", id);
    editor->hide();
    editor->installEventFilter(self);
    return editor;
}

QWidget* CProgramView::cellEditor(int column) const {
    QWidget*& slot = editorSlot(column);
    if (!slot && !m_bFirstUpdate)
        slot = createEditor(editorColumn(column));
    return slot;
}

QWidget* CProgramView::GetCellEditor() const {
    return cellEditor(m_grid->col());
}

QWidget* CProgramView::openEditor() const {
    if (m_bFirstUpdate)
        return nullptr;
    for (int c = radio::ColRx; c <= radio::ColScrambler; ++c)
        if (QWidget* e = editorSlot(c); e && !e->isHidden())
            return e;
    return nullptr;
}

void CProgramView::hideEditors() {
    if (m_bFirstUpdate)
        return;
    // The window's focus widget, not hasFocus(): the window need not be the
    // active one (no window manager, a message box just closed), and the grid
    // must still get the keys back.
    QWidget* open = openEditor();
    QWidget* focus = m_grid->window()->focusWidget();
    const bool hadFocus = open && focus && (focus == open || open->isAncestorOf(focus));
    for (int c = radio::ColRx; c <= radio::ColScrambler; ++c)
        if (QWidget* e = editorSlot(c))
            e->hide();
    if (hadFocus)
        m_grid->setFocus();
}

void CProgramView::ShowCellEditor() {
    if (m_bFirstUpdate || m_bCommitting || documentLocked())
        return;
    const int row = m_grid->row();
    const int col = m_grid->col();
    if (row < 1 || col < 1)
        return;
    for (int c = radio::ColRx; c <= radio::ColScrambler; ++c)
        if (QWidget* e = editorSlot(c); e && c != col)
            e->hide();
    QWidget* editor = cellEditor(col);
    const QString text = m_grid->textMatrix(row, col);
    if (auto* cb = qobject_cast<QComboBox*>(editor)) {
        // The first entry that begins with the cell's text, else the first one.
        int index = 0;
        for (int i = 0; i < cb->count(); ++i) {
            if (cb->itemText(i).startsWith(text, Qt::CaseInsensitive)) {
                index = i;
                break;
            }
        }
        cb->setCurrentIndex(index);
        m_nOpenIndex = index;
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
        edit->setModified(false);
        edit->setProperty("editMode", false);
    }
    m_nEditRow = row;
    m_nEditCol = col;
    placeEditor(editor); // still hidden here, so name it
    editor->show();
    editor->raise();
    editor->setFocus();
    m_grid->viewport()->update();
}

void CProgramView::placeEditor(QWidget* editor) {
    if (!editor)
        editor = openEditor();
    if (!editor)
        return;
    const QRect cell = m_grid->cellRect(m_nEditRow, m_nEditCol);
    if (cell.isEmpty() || !m_grid->viewport()->rect().intersects(cell)) {
        hideEditors();
        return;
    }
    editor->setGeometry(cell);
}

bool CProgramView::CommitCellEditor() {
    QWidget* editor = openEditor();
    if (!editor || m_bCommitting)
        return false;
    m_bCommitting = true;
    const int row = m_nEditRow;
    const int col = m_nEditCol;
    QString value;
    if (auto* cb = qobject_cast<QComboBox*>(editor))
        value = cb->currentText();
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        value = edit->text();

    std::array<std::string, radio::kGridCols> before;
    for (int c = 0; c < radio::kGridCols; ++c)
        before[c] = m_grid->textMatrix(row, c).toStdString();
    const radio::CommitResult res =
        radio::commitCell(before, col, value.toStdString(), m_nBandLow, m_nBandHigh, language());
    if (res.message) {
        // However the cell was left, it stays: the row keeps what it held
        // and the editor keeps the typed text for the correction.
        m_grid->stayInCell();
        QMessageBox box(
            QMessageBox::Warning,
            QCoreApplication::translate("StringTable", radio::englishString(radio::IDS_CAUTION)),
            QCoreApplication::translate("StringTable", radio::englishString(res.message)),
            QMessageBox::Ok, this);
        box.exec();
        m_bCommitting = false;
        if (editor->isHidden()) {
            placeEditor(editor);
            editor->show();
        }
        editor->setFocus();
        return true;
    }
    for (int c = 1; c < radio::kGridCols; ++c)
        m_grid->setTextMatrix(row, c, qs(res.row[c]));
    hideEditors();
    m_grid->setFocus();
    m_bCommitting = false;
    return false;
}

bool CProgramView::commitBeforeCommand() {
    return !CommitCellEditor();
}

void CProgramView::OnEnterCell() {
    ShowCellEditor();
}

void CProgramView::OnLeaveCell() {
    CommitCellEditor();
}

void CProgramView::OnGridScroll() {
    // A scroll discards the open edit rather than commit it to a cell the
    // user may no longer see.
    hideEditors();
    m_grid->viewport()->update();
}

bool CProgramView::editorHasChanges() const {
    QWidget* editor = openEditor();
    if (auto* cb = qobject_cast<QComboBox*>(editor))
        return cb->currentIndex() != m_nOpenIndex;
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        return edit->isModified() || edit->property("editMode").toBool();
    return false;
}

void CProgramView::moveBy(int dRow, int dCol, bool wrap) {
    int row = m_grid->row() + dRow;
    int col = m_grid->col() + dCol;
    if (wrap && dCol > 0 && col >= m_grid->cols()) { // Tab past the last column
        col = 1;
        row = row < m_grid->rows() - 1 ? row + 1 : 1;
    } else if (wrap && dCol < 0 && col < 1) {
        col = m_grid->cols() - 1;
        row = row > 1 ? row - 1 : m_grid->rows() - 1;
    }
    row = std::clamp(row, 1, m_grid->rows() - 1);
    col = std::clamp(col, 1, m_grid->cols() - 1);
    if (row == m_grid->row() && col == m_grid->col()) {
        // Nowhere to go: keep the cell, and reopen its editor after a commit.
        CommitCellEditor();
        return;
    }
    m_grid->setCurrent(row, col);
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !m_bFirstUpdate)
        return handleKey(watched, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut && !m_bFirstUpdate && watched &&
        watched == openEditor()) {
        // The focus went elsewhere (another part of the window, another
        // channel window): the value goes in, as when the cell is left. A
        // list's own popup and a window losing activation (a message box,
        // another program) are not leaving the cell.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason) {
            QPointer<QWidget> editor = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, this, [this, editor] {
                QWidget* focus = QApplication::focusWidget();
                if (!editor || editor != openEditor() || m_bCommitting ||
                    (focus && (focus == editor || editor->isAncestorOf(focus))))
                    return; // reopened, or already committed by leaving the cell
                QPointer<QWidget> keep = focus;
                // A refused value keeps the focus in its editor.
                if (!CommitCellEditor() && keep && keep != m_grid)
                    keep->setFocus(Qt::OtherFocusReason); // the commit took it back
            });
        }
    }
    if (event->type() == QEvent::MouseButtonPress && watched &&
        (watched == m_editors[radio::ColRx] || watched == m_editors[radio::ColTx]))
        watched->setProperty("editMode", true);
    return QWidget::eventFilter(watched, event);
}

bool CProgramView::handleKey(QObject* watched, QKeyEvent* key) {
    const bool onGrid = watched == m_grid;
    QWidget* editor = openEditor();
    if (!onGrid && watched != editor)
        return false;
    const int k = key->key();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;

    if (isEnter(k) && mods == Qt::NoModifier) {
        if (CommitCellEditor())
            return true; // a rejected value keeps the cell where it is
        // Right, then the next row, then from the last cell back to the first.
        int row = m_grid->row();
        int col = m_grid->col();
        if (col < m_grid->cols() - 1) {
            ++col;
        } else if (row < m_grid->rows() - 1) {
            ++row;
            col = 1;
        } else {
            row = 1;
            col = 1;
        }
        m_grid->setCurrent(row, col);
        if (!openEditor())
            ShowCellEditor();
        return true;
    }
    if (k == Qt::Key_Escape && editor) {
        hideEditors(); // the cell keeps its text
        return true;
    }
    if (k == Qt::Key_F2 && editor) {
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setProperty("editMode", true);
            edit->deselect();
            edit->end(false);
        }
        return true;
    }
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
        moveBy(0, k == Qt::Key_Backtab || (mods & Qt::ShiftModifier) ? -1 : 1, true);
        return true;
    }
    const bool arrow =
        k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
    const bool vertical = k == Qt::Key_Up || k == Qt::Key_Down;
    const bool changedText = editor && editorHasChanges() && qobject_cast<QLineEdit*>(editor);
    if (arrow && mods == Qt::ShiftModifier) {
        // Shift+arrows extend the selection, except that in typed text
        // Shift+Left and Shift+Right select characters.
        if (changedText && !vertical)
            return false;
        if (CommitCellEditor())
            return true;
        m_grid->extendBy(k == Qt::Key_Up     ? -1
                         : k == Qt::Key_Down ? 1
                                             : 0,
                         k == Qt::Key_Left    ? -1
                         : k == Qt::Key_Right ? 1
                                              : 0);
        return true;
    }
    if (arrow && mods == Qt::NoModifier) {
        // Left and Right belong to the editor once the user changed its
        // value, and so do all arrows in a list; Up and Down still leave a
        // typed text, committing it even where there is no cell to go to.
        if (editor && editorHasChanges() && !(changedText && vertical))
            return false;
        moveBy(k == Qt::Key_Up     ? -1
               : k == Qt::Key_Down ? 1
                                   : 0,
               k == Qt::Key_Left    ? -1
               : k == Qt::Key_Right ? 1
                                    : 0,
               false);
        return true;
    }
    const bool printable = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                           !(mods & (Qt::ControlModifier | Qt::AltModifier));
    if (onGrid && editor && printable) {
        // Keys that reach the grid while its editor is open belong to the editor.
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(editor, &copy);
        return true;
    }
    if (onGrid && !editor && printable) {
        // Typing on a cell starts editing it, with the typed text.
        ShowCellEditor();
        if (auto* edit = qobject_cast<QLineEdit*>(openEditor())) {
            edit->setText(key->text());
            edit->setModified(true);
        } else if (QWidget* e = openEditor()) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(e, &copy);
        }
        return true;
    }
    return false;
}
