#include "support/fakes.h"

#include "core/app_error.h"

#include <QFile>
#include <QPainter>

FakePaths::FakePaths() { dir.setAutoRemove(true); }

QString FakePaths::appDir() const { return folder.isEmpty() ? dir.path() + QLatin1Char('/') : folder; }

QString FakePaths::stateDir() const { return state.path() + QStringLiteral("/vantrel/"); }

QString FakePaths::backupFile() const { return home.path() + QStringLiteral("/data.bak"); }

void FakeDialogs::errorBox(QWidget* owner, const QString& message) {
    calls.push_back({QStringLiteral("error"), owner, message, {}});
}

void FakeDialogs::message(QWidget* owner, const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("message"), owner, text, caption});
}

bool FakeDialogs::yesNo(QWidget* owner, const QString& text, const QString& caption) {
    calls.push_back({QStringLiteral("yesNo"), owner, text, caption});
    if (yesNoAnswers.empty()) return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString FakeDialogs::inputBox(QWidget* owner, const QString& caption, const QString& prompt,
                              const QString& defaultText) {
    calls.push_back({QStringLiteral("input"), owner, prompt, caption});
    if (inputAnswers.empty()) return defaultText;
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::openFile(QWidget* owner) {
    calls.push_back({QStringLiteral("openFile"), owner, {}, {}});
    std::optional<QString> answer;
    if (!openFileAnswers.empty()) {
        answer = openFileAnswers.front();
        openFileAnswers.pop_front();
    }
    return answer;
}

QStringList FakeDialogs::errors() const {
    QStringList out;
    for (const Call& call : calls)
        if (call.kind == QLatin1String("error")) out << call.text;
    return out;
}

QImage FakeIconSource::largeIcon(const QString& path) {
    requested << path;
    if (none) return {};
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(fill);
    QPainter painter(&icon);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 4, 4, Qt::transparent);
    return icon;
}

std::optional<CpuidRegisters> FakeSystemProbe::cpuid(quint32 function) {
    ++queries;
    if (!hasCpuid) return std::nullopt;
    return registers.value(function);
}

QString FakeSystemProbe::localAddress() {
    ++queries;
    if (!addressError.isEmpty()) throw AppError(addressError);
    return address;
}

void FakeSystemProbe::setBrand(const QByteArray& brand) {
    registers[0x80000000].eax = 0x80000004;
    for (int word = 0; word < 12; ++word) {
        quint32 value = 0;
        for (int byte = 3; byte >= 0; --byte) value = value << 8 | quint8(brand[word * 4 + byte]);
        CpuidRegisters& r = registers[0x80000002 + word / 4];
        quint32* order[] = {&r.eax, &r.ebx, &r.ecx, &r.edx};
        *order[word % 4] = value;
    }
}

void FakeShutdownProgram::schedule(PowerAction action, qint64 seconds) {
    if (!refusal.isEmpty()) throw AppError(refusal);
    requests << (action == PowerAction::Reboot ? QStringLiteral("reboot ") : QStringLiteral("poweroff ")) +
                    QString::number(seconds);
}

QStringList FakeToast::texts() const {
    QStringList out;
    for (const auto& text : messages) out << text();
    return out;
}

std::optional<QByteArray> FakeDownloader::DownloadToFile(const QString& url, const QString& path) {
    calls.push_back({url, path});
    aborted_ = false;
    if (whileWaiting) whileWaiting();
    if (aborted_ || !page) return std::nullopt;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(*page);
    return page;
}
