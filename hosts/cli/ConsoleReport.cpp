// Terminal and plain-text progress output of the command-line host.
#include "ConsoleReport.h"

#include "TestOutcome.h"

namespace corvo::hosts::cli {

namespace {
constexpr std::size_t kBarWidth = 30;
}

ConsoleReport::ConsoleReport(std::FILE* out, bool bar) : m_out(out), m_bar(bar) {}

std::string ConsoleReport::Bar(uint8_t percent, std::size_t width)
{
    const unsigned clamped = percent > 100 ? 100u : percent;
    const std::size_t filled = width * clamped / 100;
    std::string text = "[" + std::string(filled, '#') + std::string(width - filled, '-') + "] ";
    const std::string number = std::to_string(clamped);
    text += std::string(3 - number.size(), ' ') + number + "%";
    return text;
}

void ConsoleReport::ClearBar()
{
    if (m_barShown) {
        std::fputs("\r\033[K", m_out);
        m_barShown = false;
    }
}

void ConsoleReport::DrawBar()
{
    std::fprintf(m_out, "\r  %s", Bar(m_percent, kBarWidth).c_str());
    std::fflush(m_out);
    m_barShown = true;
}

void ConsoleReport::BeginTest(std::size_t position, std::size_t count, const std::string& title)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "[%zu/%zu] %s\n", position, count, title.c_str());
    m_percent = 0;
    m_lastPlainPercent = -1;
    std::fflush(m_out);
}

void ConsoleReport::Progress(uint8_t percent, const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_percent = percent;
    if (m_bar) {
        if (!text.empty()) {
            ClearBar();
            std::fprintf(m_out, "  %s\n", text.c_str());
        }
        DrawBar();
        return;
    }
    // Plain output is read by scripts and logs: one line per change, never a repeat.
    if (static_cast<int>(percent) != m_lastPlainPercent || !text.empty()) {
        std::fprintf(m_out, "  progress %u%%%s%s\n", static_cast<unsigned>(percent), text.empty() ? "" : ": ",
                     text.c_str());
        m_lastPlainPercent = percent;
        std::fflush(m_out);
    }
}

void ConsoleReport::Message(const std::string& text, uint32_t kind)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "  %s: %s\n", MessageKindName(kind).c_str(), text.c_str());
    if (m_bar) {
        DrawBar();
    } else {
        std::fflush(m_out);
    }
}

void ConsoleReport::Note(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "  note: %s\n", text.c_str());
    if (m_bar) {
        DrawBar();
    } else {
        std::fflush(m_out);
    }
}

void ConsoleReport::EndTest(const std::string& title, uint32_t result)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ClearBar();
    std::fprintf(m_out, "%s: %s (result %u)\n", title.c_str(), ResultName(result).c_str(), result);
    std::fflush(m_out);
}

} // namespace corvo::hosts::cli
