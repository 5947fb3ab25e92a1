// Terminal and plain-text progress output of the command-line host.
#include "ConsoleReport.h"

#include <QString>

#include <algorithm>

#include "TestOutcome.h"

namespace corvo::hosts::cli {

namespace {
constexpr std::size_t kBarWidth = 30;

QString Q(const std::string& text) { return QString::fromStdString(text); }

void Put(std::FILE* out, const QString& line) { std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), out); }
} // namespace

ConsoleReport::ConsoleReport(std::FILE* out, bool bar, Clock clock)
    : m_out(out), m_bar(bar), m_clock(std::move(clock))
{
}

std::string ConsoleReport::Bar(uint8_t percent, std::size_t width)
{
    const unsigned clamped = percent > 100 ? 100u : percent;
    const std::size_t filled = width * clamped / 100;
    std::string text = "[" + std::string(filled, '#') + std::string(width - filled, '-') + "] ";
    const std::string number = std::to_string(clamped);
    text += std::string(3 - number.size(), ' ') + number + "%";
    return text;
}

std::string ConsoleReport::Elapsed(std::chrono::steady_clock::duration duration)
{
    const long long total = std::max<long long>(0, std::chrono::duration_cast<std::chrono::seconds>(duration).count());
    const auto twoDigits = [](long long value) { return (value < 10 ? "0" : "") + std::to_string(value); };
    const std::string minutesAndSeconds = twoDigits(total / 60 % 60) + ":" + twoDigits(total % 60);
    if (total < 3600) {
        return std::to_string(total / 60) + minutesAndSeconds.substr(2);
    }
    return std::to_string(total / 3600) + ":" + minutesAndSeconds;
}

std::string ConsoleReport::ElapsedNow() const { return Elapsed(m_clock() - m_testStart); }

void ConsoleReport::ClearBar()
{
    if (m_barShown) {
        std::fputs("\r\033[K", m_out);
        m_barShown = false;
    }
}

void ConsoleReport::DrawBar()
{
    m_barText = Bar(m_percent, kBarWidth) + " " + ElapsedNow();
    std::fprintf(m_out, "\r  %s", m_barText.c_str());
    std::fflush(m_out);
    m_barShown = true;
}

void ConsoleReport::PrintPlainProgress(const std::string& text)
{
    const QString percent = QString::number(m_percent);
    Put(m_out, QStringLiteral("  ")
                   + (text.empty() ? tr("progress %1% (%2)").arg(percent, Q(ElapsedNow()))
                                   : tr("progress %1% (%2): %3").arg(percent, Q(ElapsedNow()), Q(text))));
    m_lastPlainPercent = m_percent;
    m_lastPlainLine = m_clock();
    std::fflush(m_out);
}

void ConsoleReport::BeginTest(std::size_t position, std::size_t count, const std::string& title)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "[%zu/%zu] %s\n", position, count, title.c_str());
    m_percent = 0;
    m_lastPlainPercent = -1;
    m_barText.clear();
    m_testStart = m_lastPlainLine = m_clock();
    m_running = true;
    std::fflush(m_out);
}

void ConsoleReport::Progress(uint8_t reported, const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // The report keeps every value as the module sent it; the bar shows how far the test got.
    const uint8_t percent = std::max(std::min<uint8_t>(reported, 100), m_percent);
    m_percent = percent;
    if (m_bar) {
        if (!text.empty()) {
            ClearBar();
            std::fprintf(m_out, "  %s\n", text.c_str());
        }
        DrawBar();
        return;
    }
    // Plain output is read by scripts and logs: one line per change, and every line with a text.
    if (static_cast<int>(percent) != m_lastPlainPercent || !text.empty()) {
        PrintPlainProgress(text);
    }
}

void ConsoleReport::Tick()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_running) {
        return;
    }
    if (m_bar) {
        if (!m_barShown || Bar(m_percent, kBarWidth) + " " + ElapsedNow() != m_barText) {
            DrawBar();
        }
    } else if (m_clock() - m_lastPlainLine >= kPlainRepeat) {
        PrintPlainProgress({});
    }
}

void ConsoleReport::Message(const std::string& text, uint32_t kind, const std::string& about)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    Put(m_out, QStringLiteral("  ")
                   + (about.empty() ? tr("%1: %2", "message kind: message").arg(Q(MessageKindText(kind)), Q(text))
                                    : tr("%1: %2 (%3)", "message kind: message (the keyboard it is about)")
                                          .arg(Q(MessageKindText(kind)), Q(text), Q(about))));
    if (m_bar && m_running) {
        DrawBar();
    } else {
        std::fflush(m_out);
    }
}

void ConsoleReport::Note(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    Put(m_out, QStringLiteral("  ") + tr("note: %1").arg(Q(text)));
    if (m_bar && m_running) {
        DrawBar();
    } else {
        std::fflush(m_out);
    }
}

void ConsoleReport::EndTest(const std::string& title, uint32_t result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    m_running = false;
    Put(m_out, tr("%1: %2 (result %3)").arg(Q(title), Q(ResultText(result)), QString::number(result)));
    std::fflush(m_out);
}

void ConsoleReport::Line(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "%s\n", text.c_str());
    std::fflush(m_out);
}

} // namespace corvo::hosts::cli
