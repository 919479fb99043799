#include "app/link/LinkFeedback.h"

#include "link/CalcModel.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <cstdio>

namespace {

constexpr qint64 kShowIntervalMs = 100;

void showInitialState(QProgressBar& bar)
{
    bar.setRange(0, 100);
    bar.setValue(0);
}

}  // namespace

ProgressBarFeed::ProgressBarFeed(CalcModel& model, QProgressBar& bar) : model_(model), bar_(bar)
{
    sinceShown_.start();
    model_.SetProgress(
        [this](int64_t done, int64_t total) {
            done_ = done;
            total_ = total;
            showIfDue();
        },
        [this] { showIfDue(); });
}

void ProgressBarFeed::showIfDue()
{
    if (sinceShown_.elapsed() < kShowIntervalMs)
        return;
    if (total_ > 0) {
        bar_.setRange(0, static_cast<int>(total_));
        bar_.setValue(static_cast<int>(done_));
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceShown_.start();
}

ProgressBarFeed::~ProgressBarFeed()
{
    model_.SetProgress({});
    showInitialState(bar_);
}

MessageRequest linkFailureMessage(const QString& text, const LinkResult& failure)
{
    std::fprintf(stderr, "Pixoram: %s\n  %s\n", qPrintable(text), qPrintable(failure.message()));
    MessageRequest request{text, QString(), MessageRequest::Icon::None, MessageRequest::Buttons::Ok};
    request.detailedText = failure.message();
    return request;
}
