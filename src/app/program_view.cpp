#include "app/program_view.h"

#include <QApplication>
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

CProgramView::CProgramView(CProgramDoc& document, ViewContext& context, QWidget* parent)
    : QWidget(parent),
      document_(document),
      context_(context),
      channels_(context.language),
      editors_(context.language) {
    setAutoFillBackground(true);
    setFont(formFont());
    const DialogUnitBase base = dialogUnitBase(font());
    formSize_ = toPixels(kForm, base).size();
    const QRect gridPlace = toPixels(kGridPlace, base);
    gridMargins_ = QMargins(gridPlace.left(), gridPlace.top(),
                            formSize_.width() - gridPlace.x() - gridPlace.width(),
                            formSize_.height() - gridPlace.y() - gridPlace.height());
    grid_ = new CMSFlexGrid(channels_, gridFont(), this);
    resize(formSize_);
    grid_->setGeometry(gridPlace);
    widgets_ = std::make_unique<InPlaceEditorWidgets>(editors_, font(), grid_->viewport(), grid_);
    grid_->verticalHeader()->setDefaultSectionSize(widgets_->height());
    setUpGrid();

    connect(grid_, &CMSFlexGrid::leaveCell, this, &CProgramView::onLeaveCell);
    connect(grid_, &CMSFlexGrid::enterCell, this, &CProgramView::onEnterCell);
    connect(grid_, &CMSFlexGrid::mouseDown, this, &CProgramView::onMouseDown);
    connect(grid_, &CMSFlexGrid::scrolled, this, &CProgramView::onScrolled);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { widgets_->moveOver(channels_.current().column, grid_->cellRect()); });
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
    context_.product.deriveFrom(document_.image());
}

void CProgramView::refill() {
    channels_.refill(document_.image(), context_.product);
    // An editor left open would carry its old text into the new channels.
    editors_.hideAll();
    widgets_->followState();
    grid_->allChanged();
}

void CProgramView::gridCommit() {
    channels_.commit(document_.image(), context_.product);
}

void CProgramView::cellCommit() {
    (void)commitCurrentCell();  // a refusal is reported by the commit itself
}

CellCommitOutcome CProgramView::commitCurrentCell() {
    const int row = channels_.current().row;
    CellCommitOutcome outcome = editors_.commitCell(channels_, context_.product);
    report(outcome, row);
    return outcome;
}

void CProgramView::report(const CellCommitOutcome& outcome, int row) {
    grid_->rowChanged(row);
    widgets_->followState();
    if (outcome.status == CellCommitStatus::Committed) {
        emit edited();
    }
    if (!outcome.rejected()) {
        return;
    }
    const QString caption =
        outcome.message ? toQString(messageText(MessageId::Caution, context_.language)) : QString();
    context_.messages.show(this, toQString(rejectionText(outcome, context_.language)),
                           MessageBoxes::Buttons::Ok, QMessageBox::Warning, caption);
    if (QWidget* editor = widgets_->widget(channels_.current().column); editor->isVisible()) {
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
    if (!editors_.forColumn(channels_.current().column).visible()) {
        showEditor();
    }
}

void CProgramView::onScrolled() {
    editors_.hideAll();
    widgets_->followState();
    grid_->viewport()->update();
}

void CProgramView::cancelEdit() {
    // The cell keeps its text; the editor takes it again when it next shows.
    editors_.current(channels_).hide();
    widgets_->followState();
    grid_->setFocus(Qt::OtherFocusReason);
}

void CProgramView::showEditor() {
    editors_.showEditor(channels_);
    widgets_->followState();
    widgets_->showOver(channels_.current().column, grid_->cellRect());
    grid_->viewport()->update();
}

void CProgramView::requestHelp(int controlId) {
    context_.help.showContext(helpContext(controlId, channels_.current().column), window());
}

void CProgramView::moveBy(int rows, int columns) {
    GridCell target = channels_.current();
    target.row += rows;
    target.column += columns;
    // Tab runs on into the next row, Shift+Tab back into the row before.
    if (target.column > kBusyLockColumn && target.row < kFrRow) {
        target = {target.row + 1, kRxColumn};
    } else if (target.column < kRxColumn && target.row > kFirstChannelRow) {
        target = {target.row - 1, kBusyLockColumn};
    }
    grid_->moveCurrentCell(target);
}

bool CProgramView::enterInFrequencyEditor() {
    const int row = channels_.current().row;
    const EnterOutcome outcome = editors_.commitCellByEnter(channels_, context_.product);
    report(outcome.commit, row);
    if (!outcome.keyToEditor) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
    // A line edit has no use for Enter beyond passing it up to the grid.
    return true;
}

void CProgramView::enterInOtherEditor() {
    cellCommit();
    if (!editors_.forColumn(channels_.current().column).visible()) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

bool CProgramView::editorKey(QObject* editor, QKeyEvent* event) {
    const int id = widgets_->controlIdOf(editor);
    if (event->key() == Qt::Key_F1) {
        requestHelp(id);
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
    switch (event->key()) {
        case Qt::Key_Tab:
            moveBy(0, 1);
            return true;
        case Qt::Key_Backtab:
            moveBy(0, -1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (editBox) {
                moveBy(event->key() == Qt::Key_Up ? -1 : 1, 0);
                return true;
            }
            return false;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!editBox) {
                moveBy(0, event->key() == Qt::Key_Left ? -1 : 1);
                return true;
            }
            break;
        default:
            break;
    }
    if (id == kFrequencyEditorId) {
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        switch (frequencyEditorKeyAction(editorKeyOf(*event), shift)) {
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
        QApplication::sendEvent(widgets_->widget(channels_.current().column), event);
        return true;
    }
    return false;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
    const bool isEditor = widgets_->controlIdOf(watched) != 0;
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // F1 here is the help of the control, not of the window.
            if ((isEditor || watched == grid_) &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
                event->accept();
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
