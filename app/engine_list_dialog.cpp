// The engine list dialog: the list's engines, the selected one's options and strength, Add and Remove.

#include "app/engine_list_dialog.h"

#include "app/accessible_names.h"
#include "app/dialogs.h"
#include "app/engine_list.h"
#include "app/engine_strength.h"
#include "board/entry_point.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The item data that names the engine of a row, so that a refill finds the selected one again.
constexpr int ProgramRole = Qt::UserRole;
constexpr int ArgumentsRole = Qt::UserRole + 1;

// The program and its arguments as a shell line, the parts with blanks or quotes in double quotes
// (a quote within them tripled, as QProcess::splitCommand reads it).
QString CommandLine(const QString& program, const QStringList& arguments)
{
    QStringList parts;
    for (const QString& part : QStringList(program) + arguments) {
        const bool quote = part.isEmpty()
            || std::any_of(part.begin(), part.end(), [](QChar c) { return c.isSpace() || c == QLatin1Char('"'); });
        parts.append(quote ? QStringLiteral("\"%1\"").arg(QString(part).replace("\"", "\"\"\"")) : part);
    }
    return parts.join(QLatin1Char(' '));
}

QString TypeName(const TUciOption& option)
{
    switch (option.Type) {
    case TUciOption::TType::Check: return QStringLiteral("check");
    case TUciOption::TType::Spin: return QStringLiteral("spin");
    case TUciOption::TType::Combo: return QStringLiteral("combo");
    case TUciOption::TType::Button: return QStringLiteral("button");
    case TUciOption::TType::String: break;
    }
    return QStringLiteral("string");
}

QString RangeOf(const TUciOption& option)
{
    switch (option.Type) {
    case TUciOption::TType::Spin:
        return TEngineListDialog::tr("%1 to %2").arg(QString::number(option.Min), QString::number(option.Max));
    case TUciOption::TType::Combo: return option.Vars.join(QStringLiteral(", "));
    default: return {};
    }
}

QString StrengthText(const TStrengthControl& control)
{
    switch (control.Kind) {
    case TStrengthControl::TKind::Elo:
        return TEngineListDialog::tr("Strength: set by Elo rating, %1 to %2 (UCI_LimitStrength and UCI_Elo)")
            .arg(control.Min)
            .arg(control.Max);
    case TStrengthControl::TKind::SkillLevel:
        return TEngineListDialog::tr("Strength: set by Skill Level, %1 to %2").arg(control.Min).arg(control.Max);
    case TStrengthControl::TKind::None: break;
    }
    return TEngineListDialog::tr("Strength: cannot be set, the engine always plays at full strength");
}

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setToolTip(text);
    return item;
}

QTableWidget* ReadOnlyTable(const QStringList& columns, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

} // namespace

TEngineListDialog::TEngineListDialog(TEngineList& list, TDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , List(list)
    , Dialogs(dialogs)
{
    setObjectName(QStringLiteral("EngineListDialog"));
    setWindowTitle(tr("Engines"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    SearchLabel = new QLabel(this);
    layout->addWidget(SearchLabel);
    EngineTable = ReadOnlyTable({ tr("Name"), tr("Author"), tr("Program"), tr("Found or added") }, this);
    EngineTable->setMinimumSize(560, 120);
    layout->addWidget(EngineTable);

    auto* addRow = new QHBoxLayout;
    ArgumentsLabel = new QLabel(tr("Ar&guments:"), this);
    ArgumentsEdit = new QLineEdit(this);
    ArgumentsEdit->setPlaceholderText(tr("e.g. /path/to/crafty.ini for polyglot"));
    ArgumentsEdit->setToolTip(tr("Split as a shell would: put a path with blanks in quotes"));
    ArgumentsLabel->setBuddy(ArgumentsEdit);
    AddButton = new QPushButton(tr("&Add Engine..."), this);
    AddButton->setToolTip(tr("Choose a UCI engine's program; it is listed once it answers as one"));
    AddButton->setDefault(true);
    RemoveButton = new QPushButton(tr("&Remove"), this);
    RemoveButton->setToolTip(tr("Take the selected engine you added off the list"));
    addRow->addWidget(ArgumentsLabel);
    addRow->addWidget(ArgumentsEdit, 1);
    addRow->addWidget(AddButton);
    addRow->addWidget(RemoveButton);
    layout->addLayout(addRow);

    StatusLabel = new QLabel(this);
    StatusLabel->setWordWrap(true);
    StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(StatusLabel);

    OptionsBox = new QGroupBox(tr("Options of the selected engine"), this);
    auto* optionsLayout = new QVBoxLayout(OptionsBox);
    StrengthLabel = new QLabel(OptionsBox);
    StrengthLabel->setWordWrap(true);
    OptionTable = ReadOnlyTable({ tr("Option"), tr("Type"), tr("Default"), tr("Range or choices") }, OptionsBox);
    OptionTable->setSelectionMode(QAbstractItemView::NoSelection);
    OptionTable->setMinimumHeight(120);
    optionsLayout->addWidget(StrengthLabel);
    optionsLayout->addWidget(OptionTable);
    layout->addWidget(OptionsBox, 1);

    HelpLabel = new QLabel(tr("An engine that speaks only the XBoard protocol (crafty, phalanx, sjeng, fairymax, ...) "
                              "is added through polyglot (Debian package polyglot), which speaks UCI for it. Write "
                              "an .ini file such as\n"
                              "    [PolyGlot]\n"
                              "    EngineCommand = /usr/games/crafty\n"
                              "    EngineDir = /tmp\n"
                              "then add /usr/games/polyglot (or /usr/bin/polyglot) with the path of the .ini file "
                              "as its argument."),
        this);
    HelpLabel->setTextFormat(Qt::PlainText);
    HelpLabel->setWordWrap(true);
    HelpLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(HelpLabel);

    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setAutoDefault(false);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(CloseButton);
    layout->addLayout(closeRow);

    SearchTimer = new QTimer(this);
    SearchTimer->setInterval(200);

    NameControls();

    const auto guarded = [this](void (TEngineListDialog::*method)()) {
        return [this, method] { CatchAtEntryPoint([&] { (this->*method)(); }); };
    };
    connect(AddButton, &QPushButton::clicked, this, guarded(&TEngineListDialog::AddClick));
    connect(RemoveButton, &QPushButton::clicked, this, guarded(&TEngineListDialog::RemoveClick));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::hide);
    connect(EngineTable, &QTableWidget::itemSelectionChanged, this, guarded(&TEngineListDialog::ShowSelected));
    connect(SearchTimer, &QTimer::timeout, this, guarded(&TEngineListDialog::ShowSearch));
    connect(&List, &TEngineList::Added, this,
        [this](const TEngineEntry& entry) { CatchAtEntryPoint([&] { EngineAdded(entry); }); });
    connect(&List, &TEngineList::Refused, this, [this](const QString& program, const QString& reason) {
        CatchAtEntryPoint([&] { EngineRefused(program, reason); });
    });
    connect(&List, &TEngineList::Changed, this, guarded(&TEngineListDialog::Refresh));
    connect(&List, &TEngineList::DiscoveryFinished, this, guarded(&TEngineListDialog::ShowSearch));

    Refresh();
}

// The tables go after this; their last signals must not reach the dialog.
TEngineListDialog::~TEngineListDialog() { disconnect(EngineTable, nullptr, this, nullptr); }

void TEngineListDialog::Show()
{
    Refresh();
    show();
    raise();
    activateWindow();
}

int TEngineListDialog::SelectedEngine() const
{
    const QModelIndexList rows = EngineTable->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= static_cast<int>(List.Engines().size()))
        return -1;
    return rows.first().row();
}

void TEngineListDialog::SelectEngine(int index)
{
    if (index >= 0 && index < EngineTable->rowCount())
        EngineTable->selectRow(index);
    else
        EngineTable->clearSelection();
}

int TEngineListDialog::IndexOf(const QString& program, const QStringList& arguments) const
{
    const auto& engines = List.Engines();
    const auto found = std::find_if(engines.begin(), engines.end(),
        [&](const TEngineEntry& entry) { return entry.Program == program && entry.Arguments == arguments; });
    return found == engines.end() ? -1 : static_cast<int>(found - engines.begin());
}

void TEngineListDialog::AddClick()
{
    const QString program = Dialogs.OpenFileName(this, { tr("Add Engine"), tr("All files (*)"), {} });
    if (program.isEmpty())
        return;
    const QStringList arguments = QProcess::splitCommand(ArgumentsEdit->text());
    PendingAdds.emplace_back(program, arguments);
    StatusLabel->setText(tr("Checking %1…").arg(CommandLine(program, arguments)));
    List.Add(program, arguments);
    ShowSearch();
}

void TEngineListDialog::RemoveClick()
{
    const int index = SelectedEngine();
    if (index < 0 || List.Engines()[index].Found)
        return;
    const QString name = List.Engines()[index].Name;
    List.Remove(index);
    StatusLabel->setText(tr("Removed %1").arg(name));
}

void TEngineListDialog::EngineAdded(const TEngineEntry& entry)
{
    const auto pending = std::find(PendingAdds.begin(), PendingAdds.end(), std::pair(entry.Program, entry.Arguments));
    if (pending == PendingAdds.end())
        return; // found, or loaded: Changed shows it
    PendingAdds.erase(pending);
    Refresh();
    SelectEngine(IndexOf(entry.Program, entry.Arguments));
    StatusLabel->setText(tr("Added %1").arg(entry.Name));
    ArgumentsEdit->clear();
}

void TEngineListDialog::EngineRefused(const QString& program, const QString& reason)
{
    const auto pending = std::find_if(PendingAdds.begin(), PendingAdds.end(),
        [&](const std::pair<QString, QStringList>& add) { return add.first == program; });
    if (pending == PendingAdds.end())
        return;
    PendingAdds.erase(pending);
    StatusLabel->setText(reason);
    ShowSearch();
}

void TEngineListDialog::Refresh()
{
    // The engine selected before, by its program and arguments, else the row it had.
    const QModelIndexList selected = EngineTable->selectionModel()->selectedRows();
    int row = selected.isEmpty() ? -1 : selected.first().row();
    QString program;
    QStringList arguments;
    if (const QTableWidgetItem* item = row >= 0 ? EngineTable->item(row, NameColumn) : nullptr) {
        program = item->data(ProgramRole).toString();
        arguments = item->data(ArgumentsRole).toStringList();
    }
    const auto& engines = List.Engines();
    const int count = static_cast<int>(engines.size());
    {
        const QSignalBlocker quiet(EngineTable);
        EngineTable->clearSelection();
        EngineTable->setRowCount(count);
        for (int index = 0; index < count; ++index) {
            const TEngineEntry& entry = engines[index];
            QTableWidgetItem* name = ReadOnlyItem(entry.Name);
            name->setData(ProgramRole, entry.Program);
            name->setData(ArgumentsRole, entry.Arguments);
            EngineTable->setItem(index, NameColumn, name);
            EngineTable->setItem(index, AuthorColumn, ReadOnlyItem(entry.Author));
            EngineTable->setItem(index, ProgramColumn, ReadOnlyItem(CommandLine(entry.Program, entry.Arguments)));
            EngineTable->setItem(
                index, SourceColumn, ReadOnlyItem(entry.Found ? tr("Found on the system") : tr("Added by you")));
        }
        if (const int again = program.isEmpty() ? -1 : IndexOf(program, arguments); again >= 0)
            row = again;
        if (count > 0)
            EngineTable->selectRow(std::clamp(row, 0, count - 1));
    }
    EngineTable->resizeColumnsToContents();
    ShowSelected();
    ShowSearch();
}

void TEngineListDialog::ShowSearch()
{
    const int count = static_cast<int>(List.Engines().size());
    if (List.Busy())
        SearchLabel->setText(tr("Looking for engines…"));
    else if (count == 0)
        SearchLabel->setText(tr("No engines found: add one below."));
    else
        SearchLabel->setText(count == 1 ? tr("1 engine") : tr("%1 engines").arg(count));
    if (List.Busy() && !SearchTimer->isActive())
        SearchTimer->start();
    else if (!List.Busy())
        SearchTimer->stop();
}

void TEngineListDialog::ShowSelected()
{
    const int index = SelectedEngine();
    const TEngineEntry* entry = index >= 0 ? &List.Engines()[index] : nullptr;
    RemoveButton->setEnabled(entry && !entry->Found);
    OptionTable->setRowCount(0);
    if (!entry) {
        StrengthLabel->setText(tr("No engine selected."));
        return;
    }
    QString strength = StrengthText(StrengthControlOf(entry->Options));
    if (entry->Options.empty())
        strength += QLatin1Char('\n') + tr("%1 reported no options.").arg(entry->Name);
    StrengthLabel->setText(strength);
    OptionTable->setRowCount(static_cast<int>(entry->Options.size()));
    int row = 0;
    for (const TUciOption& option : entry->Options) {
        OptionTable->setItem(row, OptionNameColumn, ReadOnlyItem(option.Name));
        OptionTable->setItem(row, OptionTypeColumn, ReadOnlyItem(TypeName(option)));
        OptionTable->setItem(row, OptionDefaultColumn, ReadOnlyItem(option.Default));
        OptionTable->setItem(row, OptionRangeColumn, ReadOnlyItem(RangeOf(option)));
        ++row;
    }
    OptionTable->resizeColumnsToContents();
}

void TEngineListDialog::NameControls()
{
    setAccessibleName(windowTitle());
    SearchLabel->setAccessibleName(tr("Engines found"));
    EngineTable->setAccessibleName(tr("Engines"));
    EngineTable->horizontalHeader()->setAccessibleName(tr("Columns of the engines"));
    EngineTable->verticalHeader()->setAccessibleName(tr("Rows of the engines"));
    NameAfterCaption(*ArgumentsLabel, ArgumentsLabel->text());
    ArgumentsEdit->setAccessibleName(tr("Arguments of the engine to add"));
    for (QPushButton* button : { AddButton, RemoveButton, CloseButton })
        NameAfterCaption(*button, button->text());
    StatusLabel->setAccessibleName(tr("Status of the engines"));
    OptionsBox->setAccessibleName(OptionsBox->title());
    StrengthLabel->setAccessibleName(tr("Strength of the selected engine"));
    OptionTable->setAccessibleName(tr("Options of the selected engine"));
    OptionTable->horizontalHeader()->setAccessibleName(tr("Columns of the options"));
    OptionTable->verticalHeader()->setAccessibleName(tr("Rows of the options"));
    HelpLabel->setAccessibleName(tr("Adding an XBoard engine through polyglot"));
}
