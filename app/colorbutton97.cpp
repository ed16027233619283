// The colour button and its drop-down grid.

#include "app/colorbutton97.h"

#include "app/toolbar_pictures.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// The named colours of the grid besides those the board already names.
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clFuchsia = RGBColor(255, 0, 255);
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clMaroon = RGBColor(128, 0, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clPurple = RGBColor(128, 0, 128);

struct NamedColor {
    TColor color;
    const char* name;
};
constexpr NamedColor ColorNames[] = {
    { clRed, QT_TRANSLATE_NOOP("TColorButton97", "Red") },
    { clYellow, QT_TRANSLATE_NOOP("TColorButton97", "Yellow") },
    { clAqua, QT_TRANSLATE_NOOP("TColorButton97", "Aqua") },
    { clFuchsia, QT_TRANSLATE_NOOP("TColorButton97", "Magenta") },
    { clGreen, QT_TRANSLATE_NOOP("TColorButton97", "Green") },
    { clMaroon, QT_TRANSLATE_NOOP("TColorButton97", "Maroon") },
    { clBlue, QT_TRANSLATE_NOOP("TColorButton97", "Blue") },
    { clPurple, QT_TRANSLATE_NOOP("TColorButton97", "Purple") },
    { clOlive, QT_TRANSLATE_NOOP("TColorButton97", "Olive") },
    { clGray, QT_TRANSLATE_NOOP("TColorButton97", "Grey") },
    { clSilver, QT_TRANSLATE_NOOP("TColorButton97", "Silver") },
    { clBlack, QT_TRANSLATE_NOOP("TColorButton97", "Black") },
    { clWhite, QT_TRANSLATE_NOOP("TColorButton97", "White") },
};

constexpr int SwatchSize = 18;

QIcon SwatchIcon(TColor color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

} // namespace

TColorGrid::TColorGrid(const std::vector<TColor>& colors, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , Colors(colors)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(1);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        auto* swatch = new QToolButton(this);
        swatch->setAutoRaise(true);
        swatch->setCheckable(true);
        swatch->setFixedSize(SwatchSize, SwatchSize);
        swatch->setIconSize(QSize(12, 12));
        swatch->setIcon(SwatchIcon(colors[i]));
        swatch->setToolTip(TColorButton97::ColorName(colors[i]));
        swatch->setFocusPolicy(Qt::StrongFocus);
        const TColor color = colors[i];
        connect(swatch, &QToolButton::clicked, this, [this, color] {
            hide();
            if (OnPick)
                OnPick(color);
        });
        layout->addWidget(swatch, static_cast<int>(i) / Columns, static_cast<int>(i) % Columns);
        Swatches.push_back(swatch);
    }
}

TColor TColorGrid::SwatchColor(int index) const
{
    const QImage picture = Swatch(index)->icon().pixmap(12, 12).toImage();
    const QColor c = picture.pixelColor(6, 6);
    return ToTColor(c);
}

void TColorGrid::MarkCurrent(TColor current)
{
    QToolButton* start = Swatches.empty() ? nullptr : Swatches.front();
    for (std::size_t i = 0; i < Swatches.size(); ++i) {
        Swatches[i]->setChecked(Colors[i] == current);
        if (Colors[i] == current)
            start = Swatches[i];
    }
    if (start)
        start->setFocus();
}

void TColorGrid::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys move through the grid; Enter or Space picks, as on any button.
    const auto focused = std::find(Swatches.begin(), Swatches.end(), focusWidget());
    if (focused == Swatches.end())
        return QFrame::keyPressEvent(event);
    int index = static_cast<int>(focused - Swatches.begin());
    switch (event->key()) {
    case Qt::Key_Left: index -= 1; break;
    case Qt::Key_Right: index += 1; break;
    case Qt::Key_Up: index -= Columns; break;
    case Qt::Key_Down: index += Columns; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: (*focused)->click(); return;
    default: return QFrame::keyPressEvent(event);
    }
    if (index >= 0 && index < SwatchCount())
        Swatch(index)->setFocus();
}

TColorButton97::TColorButton97(QWidget* parent)
    : QToolButton(parent)
    , FGrid(new TColorGrid(StandardColors(), this))
{
    setAutoRaise(true);
    setIconSize(QSize(16, 16));
    set_Color(FColor);
    FGrid->OnPick = [this](TColor color) { Accept(color); };
    connect(this, &QToolButton::clicked, this, &TColorButton97::DropDown);
}

const std::vector<TColor>& TColorButton97::StandardColors()
{
    // Values written 0x00BBGGRR are colours without a name.
    // clang-format off
    static const std::vector<TColor> colors {
        clRed, clYellow, 0x0000FF80, clAqua, clFuchsia,
        0x00404080, 0x000080FF, clGreen, 0x008080FF, 0x008000FF,
        clMaroon, clBlue, 0x00A00000, clPurple, 0x00FF0080,
        clOlive, clGray, clSilver, 0x0080FF80, 0x00800040,
        clBlack, 0x00C080FF, 0x00FF80FF, 0x00C08000, clWhite,
    };
    // clang-format on
    return colors;
}

QString TColorButton97::ColorName(TColor color)
{
    for (const NamedColor& named : ColorNames)
        if (named.color == color)
            return tr(named.name);
    return ToQColor(color).name(QColor::HexRgb).toUpper();
}

void TColorButton97::set_Color(TColor color)
{
    FColor = color;
    setIcon(QIcon(QPixmap::fromImage(PaintBucketImage(color))));
}

void TColorButton97::DropDown()
{
    FGrid->adjustSize();
    FGrid->move(mapToGlobal(rect().bottomLeft()));
    FGrid->show();
    FGrid->MarkCurrent(FColor);
}

void TColorButton97::Accept(TColor color)
{
    set_Color(color);
    if (OnAfterAccept)
        OnAfterAccept(this);
}

void TColorButton97::paintEvent(QPaintEvent*)
{
    // Flat like the other toolbar buttons: a frame only under the pointer or while pressed, the
    // picture on the left and the drop-down arrow on the right.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const bool hovered = (option.state & QStyle::State_MouseOver) && (option.state & QStyle::State_Enabled);
    if (hovered || (option.state & (QStyle::State_Sunken | QStyle::State_On)))
        painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
    constexpr int arrowWidth = 9;
    const QRect pictureArea(0, 0, width() - arrowWidth, height());
    const QPixmap picture = icon().pixmap(iconSize());
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, iconSize(), pictureArea), picture);
    QStyleOption arrow = option;
    arrow.rect = QRect(width() - arrowWidth - 2, 0, arrowWidth, height());
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}
