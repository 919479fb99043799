#include "link/LinkFeedback.h"

#include "link/CalcModel.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <cstdio>

namespace {

void showInitialState(QProgressBar& bar)
{
    bar.setRange(0, 100);
    bar.setValue(0);
}

}  // namespace

ProgressBarFeed::ProgressBarFeed(CalcModel& model, QProgressBar& bar) : model_(model), bar_(bar)
{
    model_.SetProgress([this](int64_t done, int64_t total) {
        bar_.setRange(0, static_cast<int>(total));
        bar_.setValue(static_cast<int>(done));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
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
    request.details = failure.message();
    return request;
}
