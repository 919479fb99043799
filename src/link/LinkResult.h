#pragma once
// The outcome of one operation of the calculator link component.

#include <QString>

class LinkResult {
public:
    static LinkResult success() { return {}; }
    static LinkResult failure(int code, QString message) { return LinkResult(code, std::move(message)); }

    bool ok() const { return code_ == 0; }
    int code() const { return code_; }
    // A readable reason, for messages that may say why.
    const QString& message() const { return message_; }

private:
    LinkResult() = default;
    LinkResult(int code, QString message) : code_(code), message_(std::move(message)) {}
    int code_ = 0;
    QString message_;
};
