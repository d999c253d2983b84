#include "tools/system_programs_sheet.h"

#include "ui/designed_child.h"

#include <QDir>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

SystemProgramsSheet::SystemProgramsSheet(Shell& shell, QStringList searchPath, QWidget* parent)
    : QWidget(parent), shell_(shell), searchPath_(std::move(searchPath)) {
    setObjectName(u"TabSheet20"_s);
    constexpr int rows = kSystemProgramCount / 2;
    for (int i = 0; i < kSystemProgramCount; ++i) {
        const SystemProgram& entry = systemPrograms()[i];
        const bool left = i < rows;
        const QRect place(left ? 2 : 85, 4 + 24 * (i % rows), left ? 81 : 89, 22);
        buttons_[i] = designedText<QToolButton>(this, entry.name, entry.caption, place);
        connect(buttons_[i], &QToolButton::clicked, this, [this, i] { systemProgramClick(i); });
    }
}

void SystemProgramsSheet::showEvent(QShowEvent* event) {
    if (!found_) findPrograms();
    QWidget::showEvent(event);
}

void SystemProgramsSheet::findPrograms() {
    found_ = true;
    commands_ = findSystemPrograms(searchPath_);
    for (int i = 0; i < kSystemProgramCount; ++i) {
        buttons_[i]->setEnabled(commands_[i].has_value());
        buttons_[i]->setToolTip(commands_[i] ? commandText(*commands_[i])
                                             : missingProgramsHint(systemPrograms()[i]));
    }
}

void SystemProgramsSheet::systemProgramClick(int index) {
    if (const auto& command = commands_[index])
        shell_.startProgram(command->program, command->arguments, QDir::homePath());
}
