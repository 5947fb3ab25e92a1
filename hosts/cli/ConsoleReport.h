// What the command-line host prints while tests run: progress, messages and result lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace corvo::hosts::cli {

class ConsoleReport {
public:
    // bar: redraw one progress bar line in place (a terminal); otherwise print plain lines.
    ConsoleReport(std::FILE* out, bool bar);

    void BeginTest(std::size_t position, std::size_t count, const std::string& title);
    void Progress(uint8_t percent, const std::string& text);
    void Message(const std::string& text, uint32_t kind);
    void Note(const std::string& text);
    void EndTest(const std::string& title, uint32_t result);

    // "[#######-------------]  35%"
    static std::string Bar(uint8_t percent, std::size_t width);

private:
    void ClearBar();
    void DrawBar();

    std::FILE* m_out;
    bool m_bar;
    std::mutex m_mutex;
    bool m_barShown = false;
    uint8_t m_percent = 0;
    int m_lastPlainPercent = -1;
};

} // namespace corvo::hosts::cli
