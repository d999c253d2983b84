#pragma once
// A failure raised inside a handler: it abandons the rest of the handler and its message
// goes to the standard error box (see guard.h). No such exception ever reaches Qt.

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
