#include "app/program_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWheelEvent>

#include "app/help_viewer.h"
#include "app/in_place_editors.h"
#include "app/message_boxes.h"
#include "app/ms_flex_grid.h"
#include "app/qt_text.h"
#include "app/status_notice.h"
#include "app/template_dialog.h"
#include "channels/editor_keys.h"

namespace kw::app {
namespace {

const QColor kFixedColour(0, 50, 240);
const QString kNameFont = QStringLiteral("Courier");
constexpr int kWheelStep = 120;

QFont formFont() {
    return QFont(QStringLiteral("Times New Roman"), 9);
}

QFont gridFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(8.25);
    return font;
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QSize scaled(const QSize& size, float factor) {
    return {scaledSize(size.width(), factor), scaledSize(size.height(), factor)};
}

}  // namespace

CProgramView::CProgramView(DocumentSession& session, ViewContext& context, QWidget* parent)
    : QWidget(parent), session_(session), context_(context) {
    setAutoFillBackground(true);
    setFont(formFont());
    const DialogUnitBase base = dialogUnitBase(font());
    formSize_ = toPixels(kForm, base).size();
    const QRect gridPlace = toPixels(kGridPlace, base);
    gridMargins_ = QMargins(gridPlace.left(), gridPlace.top(),
                            formSize_.width() - gridPlace.x() - gridPlace.width(),
                            formSize_.height() - gridPlace.y() - gridPlace.height());
    grid_ = new CMSFlexGrid(session_.grid(), gridFont(), this);
    resize(formSize_);
    grid_->setGeometry(gridPlace);
    widgets_ = std::make_unique<InPlaceEditorWidgets>(session_.editors(), font(), grid_->viewport(),
                                                      grid_);
    grid_->verticalHeader()->setDefaultSectionSize(widgets_->height());
    setUpGrid();

    connect(grid_, &CMSFlexGrid::leaveCell, this, &CProgramView::onLeaveCell);
    connect(grid_, &CMSFlexGrid::enterCell, this, &CProgramView::onEnterCell);
    connect(grid_, &CMSFlexGrid::mouseDown, this, &CProgramView::onMouseDown);
    connect(grid_, &CMSFlexGrid::scrolled, this, &CProgramView::onScrolled);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { widgets_->moveOver(session_.grid().current().column, grid_->cellRect()); });
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    for (QWidget* widget : widgets_->all()) {
        widget->installEventFilter(this);
    }
}

CProgramView::~CProgramView() {
    // The editor widgets go with the grid; their state must outlive them.
    delete grid_;
}

void CProgramView::setUpGrid() {
    grid_->setFixedColour(kFixedColour);
    const int base = grid_->baseWidth();
    for (int column = 0; column < kGridColumnCount; ++column) {
        grid_->setColumnAlignment(column, Qt::AlignCenter);
        grid_->setColumnWidthOf(column, columnWidth(column, base));
    }
    for (int row = kFrRow; row >= kFirstChannelRow; --row) {
        grid_->setCurrentCell({row, kNameColumn});
        grid_->setCellFontName(kNameFont);
    }
}

QWidget* CProgramView::editorWidget(int column) const {
    return widgets_->widget(column);
}

void CProgramView::initialUpdate() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->resize(frame->sizeHint().boundedTo(frame->size()));
    }
    if (const QScreen* shown = screen()) {
        if (const auto factor = scaling_.initialUpdate(shown->geometry().width())) {
            scaleBy(*factor);
        }
        connect(shown, &QScreen::geometryChanged, this,
                [this](const QRect& geometry) { displayChanged(geometry.width()); });
    }
    refill();
}

void CProgramView::displayChanged(int screenWidth) {
    if (const auto factor = scaling_.displayChanged(screenWidth)) {
        scaleBy(*factor);
    }
}

void CProgramView::scaleBy(float factor) {
    for (int column = 0; column < kGridColumnCount; ++column) {
        grid_->setColumnWidthOf(column, scaledSize(grid_->columnWidthOf(column), factor));
    }
    formSize_ = scaled(formSize_, factor);
    gridMargins_ = QMargins(
        scaledSize(gridMargins_.left(), factor), scaledSize(gridMargins_.top(), factor),
        scaledSize(gridMargins_.right(), factor), scaledSize(gridMargins_.bottom(), factor));
    resize(scaled(size(), factor));
    grid_->setGeometry(rect().marginsRemoved(gridMargins_));
    if (QWidget* frame = parentWidget()) {
        frame->resize(scaled(frame->size(), factor));
    }
}

void CProgramView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The columns keep their widths: a wider grid leaves the spare width at the right.
    grid_->setGeometry(rect().marginsRemoved(gridMargins_));
}

void CProgramView::activate() {
    context_.product.deriveFrom(session_.image());
}

void CProgramView::refill() {
    session_.refill();
    widgets_->followState();
    grid_->allChanged();
}

void CProgramView::documentChanged() {
    widgets_->followState();
    grid_->allChanged();
}

void CProgramView::gridCommit() {
    session_.gridCommit();
}

void CProgramView::cellCommit() {
    (void)commitCurrentCell();  // a refusal is reported by the commit itself
}

CellCommitOutcome CProgramView::commitCurrentCell() {
    const int row = session_.grid().current().row;
    CellCommitOutcome outcome = session_.commitCell();
    report(outcome, row);
    return outcome;
}

CellCommitOutcome CProgramView::commitOnLeaving() {
    activate();
    return commitCurrentCell();
}

void CProgramView::report(const CellCommitOutcome& outcome, int row) {
    grid_->rowChanged(row);
    widgets_->followState();
    if (outcome.status == CellCommitStatus::Committed) {
        emit edited();
    }
    if (outcome.changed) {
        showStatusNotice(this, toQString(changedValueWarning(*outcome.changed, context_.language)));
    }
    if (!outcome.rejected()) {
        return;
    }
    const QString caption =
        outcome.message ? toQString(messageText(MessageId::Caution, context_.language)) : QString();
    context_.messages.show(this, toQString(rejectionText(outcome, context_.language)),
                           MessageBoxes::Buttons::Ok, QMessageBox::Warning, caption);
    if (QWidget* editor = widgets_->widget(session_.grid().current().column); editor->isVisible()) {
        editor->setFocus(Qt::OtherFocusReason);
    }
}

void CProgramView::onLeaveCell() {
    // The typed value stays in its editor over its own cell, so it can be put right.
    if (commitCurrentCell().rejected()) {
        grid_->refuseMove();
    }
}

void CProgramView::onEnterCell() {
    showEditor();
}

void CProgramView::onMouseDown() {
    // A click shows the editor again once a scroll has hidden it; an editor still open
    // (a refused value) keeps what was typed.
    if (!session_.editors().forColumn(session_.grid().current().column).visible()) {
        showEditor();
    }
}

void CProgramView::onScrolled() {
    session_.editors().hideAll();
    widgets_->followState();
    grid_->viewport()->update();
}

void CProgramView::cancelEdit() {
    // The cell keeps its text; the editor takes it again when it next shows.
    session_.editors().current(session_.grid()).hide();
    widgets_->followState();
    grid_->setFocus(Qt::OtherFocusReason);
}

void CProgramView::showEditor() {
    session_.editors().showEditor(session_.grid());
    widgets_->followState();
    widgets_->showOver(session_.grid().current().column, grid_->cellRect());
    grid_->viewport()->update();
}

void CProgramView::requestHelp(ControlId<ProgramWindow> controlId) {
    context_.help.showContext(helpContext(controlId, session_.grid().current().column), window());
}

bool CProgramView::enterInFrequencyEditor() {
    const int row = session_.grid().current().row;
    const EnterOutcome outcome = session_.commitCellByEnter();
    report(outcome.commit, row);
    if (!outcome.keyToEditor) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
    // A line edit has no use for Enter beyond passing it up to the grid.
    return true;
}

void CProgramView::enterInOtherEditor() {
    cellCommit();
    if (!session_.editors().forColumn(session_.grid().current().column).visible()) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

bool CProgramView::editorKey(QObject* editor, QKeyEvent* event) {
    const auto id = widgets_->controlIdOf(editor);
    if (event->key() == Qt::Key_F1) {
        requestHelp(id.value());
        return true;
    }
    const bool editBox = widgets_->isEditBox(editor);
    if (event->key() == Qt::Key_Escape) {
        cancelEdit();
        return true;
    }
    if (editBox && event->matches(QKeySequence::SelectAll)) {
        static_cast<QLineEdit*>(editor)->selectAll();
        return true;
    }
    const EditorKey key = editorKeyOf(*event);
    const EditorKind kind = editBox ? EditorKind::EditBox : EditorKind::DropDownList;
    if (const auto target = cellAfterKey(session_.grid().current(), key, kind)) {
        grid_->moveCurrentCell(*target);
        return true;
    }
    if (id == kFrequencyEditorId) {
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        switch (frequencyEditorKeyAction(key, shift)) {
            case KeyAction::PassToEditor:
                return false;
            case KeyAction::CommitCell:
                return enterInFrequencyEditor();
            case KeyAction::Swallow:
                return true;
        }
    }
    if (isEnter(event)) {
        enterInOtherEditor();
        return true;
    }
    return false;
}

bool CProgramView::gridKey(QKeyEvent* event) {
    // Keys an editor did not want come up to the grid too; they are not typing.
    if (!grid_->hasFocus()) {
        return false;
    }
    if (event->key() == Qt::Key_F1) {
        requestHelp(CMSFlexGrid::kControlId);
        return true;
    }
    if (isEnter(event)) {
        showEditor();
        return true;
    }
    // Typing on the grid starts editing its current cell.
    const QString text = event->text();
    if (!text.isEmpty() && text.front().isPrint()) {
        showEditor();
        QApplication::sendEvent(widgets_->widget(session_.grid().current().column), event);
        return true;
    }
    return false;
}

bool CProgramView::editBoxOwnsKey(QObject* editor, const QKeyEvent& event) const {
    const auto* edit = qobject_cast<const QLineEdit*>(editor);
    if (!edit) {
        return false;
    }
    const CellRange range = grid_->selectedRange();
    const bool oneCell = grid_->selectedRows().empty() && range.first == range.last;
    if (event.matches(QKeySequence::Undo)) {
        return edit->isUndoAvailable();
    }
    if (event.matches(QKeySequence::Redo)) {
        return edit->isRedoAvailable();
    }
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut)) {
        return oneCell;
    }
    // Fill Down, which an edit box would take as delete.
    if (event.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_D)) {
        return false;
    }
    if (event.matches(QKeySequence::Paste)) {
        // Lines or cells from a spreadsheet are a paste into the grid.
        const QString text = QGuiApplication::clipboard()->text();
        return oneCell && !text.contains(u'\t') && !text.trimmed().contains(u'\n');
    }
    return true;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    const bool isEditor = widgets_->controlIdOf(watched).has_value();
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // F1 here is the help of the control, not of the window.
            if ((isEditor || watched == grid_) &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
                event->accept();
                return true;
            }
            // Unaccepted, the key goes to the window's command.
            if (isEditor && !editBoxOwnsKey(watched, *static_cast<QKeyEvent*>(event))) {
                return true;
            }
            break;
        case QEvent::KeyPress:
            if (isEditor) {
                return editorKey(watched, static_cast<QKeyEvent*>(event));
            }
            if (watched == grid_) {
                return gridKey(static_cast<QKeyEvent*>(event));
            }
            break;
        case QEvent::Wheel:
            if (isEditor || watched == grid_->viewport()) {
                // One notch pages the grid; the view itself does not scroll.
                const int step = static_cast<QWheelEvent*>(event)->angleDelta().y();
                if (step == -kWheelStep) {
                    grid_->pageDown();
                } else if (step == kWheelStep) {
                    grid_->pageUp();
                }
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kw::app
