// The radio group and the list box of the main window.

#include "app/controls.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <qdrawutil.h>

QFont FormFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QWidget(parent)
    , FCaption(caption)
    , Buttons(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, fontMetrics().height() + 1, 8, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        Buttons->addButton(button, i);
        layout->addWidget(button);
    }
    if (!items.isEmpty())
        Buttons->button(0)->setChecked(true);
    // Toggling on covers a mouse click and the arrow keys alike.
    connect(Buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == FItemIndex)
            return;
        FItemIndex = id;
        if (!SettingByCode && OnClick)
            OnClick(this);
    });
}

void PaintGroupFrame(QWidget& group, const QString& caption)
{
    QPainter painter(&group);
    const QFontMetrics metrics = group.fontMetrics();
    // An etched frame whose top line runs through the middle of the caption.
    qDrawShadeRect(&painter, group.rect().adjusted(0, metrics.height() / 2, 0, 0), group.palette(), true, 1);
    const QRect captionRect(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, group.palette().window());
    group.style()->drawItemText(&painter, captionRect, Qt::AlignCenter, group.palette(), group.isEnabled(), caption);
}

void TRadioGroup::paintEvent(QPaintEvent*) { PaintGroupFrame(*this, FCaption); }

TGroupBox::TGroupBox(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , FCaption(caption)
{
}

void TGroupBox::paintEvent(QPaintEvent*) { PaintGroupFrame(*this, FCaption); }

void TRadioGroup::set_ItemIndex(int index)
{
    QAbstractButton* button = Buttons->button(index);
    if (!button)
        return;
    const QScopedValueRollback settingByCode(SettingByCode, true);
    button->setChecked(true);
}

QRadioButton* TRadioGroup::Button(int index) const { return qobject_cast<QRadioButton*>(Buttons->button(index)); }

TListBox::TListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (HandlingUserInput && row >= 0)
            Click();
    });
}

void TListBox::SetLines(const QStringList& lines)
{
    const QScopedValueRollback byCode(HandlingUserInput, false);
    clear();
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, this);
        item->setSizeHint(QSize(0, FLineHeight));
    }
    setCurrentRow(-1);
    scrollToTop();
}

void TListBox::Click()
{
    if (OnClick)
        OnClick(this);
}

template <typename Handle> void TListBox::UserInput(Handle handle)
{
    const QScopedValueRollback byUser(HandlingUserInput, true);
    handle();
}

void TListBox::mousePressEvent(QMouseEvent* event)
{
    const int before = currentRow();
    UserInput([&] { QListWidget::mousePressEvent(event); });
    // A press on the line that is already selected counts as a click too.
    const QListWidgetItem* pressed = itemAt(event->position().toPoint());
    if (pressed && row(pressed) == before && currentRow() == before && event->button() == Qt::LeftButton)
        Click();
}

void TListBox::mouseMoveEvent(QMouseEvent* event)
{
    UserInput([&] { QListWidget::mouseMoveEvent(event); });
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    UserInput([&] { QListWidget::keyPressEvent(event); });
}
