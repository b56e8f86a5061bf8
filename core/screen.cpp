#include "core/screen.h"

#include <stdexcept>

void Screen::type(Control field, std::string text)
{
    if (isLoaded())
        loaded().form.fields.setText(field, std::move(text));
}

void Screen::enterPressed(Control field, MessageSink& sink)
{
    if (isLoaded())
        m_entry.check(field, loaded().form.fields, sink);
}

void Screen::nextBlock(MessageSink&) {}

void Screen::clickRow(std::size_t) {}

std::vector<bool> Screen::takenBlocks() const
{
    std::vector<bool> taken(BlockDisk::BLOCKS, false);
    for (const FileRecord& file : files()) {
        for (const HeldBlock& b : file.blocks)
            taken[static_cast<std::size_t>(b.block)] = true;
    }
    return taken;
}

void Screen::requestFocus(Control control)
{
    if (isLoaded())
        loaded().form.fields.moveFocus(control);
}

const Form& Screen::form() const { return loaded().form; }

std::optional<Control> Screen::takeFocusRequest()
{
    return isLoaded() ? loaded().form.fields.takeFocusRequest() : std::nullopt;
}

Mode Screen::mode() const { return isLoaded() ? loaded().mode : Mode::Idle; }

const std::vector<FileRecord>& Screen::files() const
{
    static const std::vector<FileRecord> none;
    return isLoaded() ? loaded().files : none;
}

Screen::Loaded& Screen::startLoad(Form form) { return m_loaded.emplace(Loaded{std::move(form), Mode::Idle, {}}); }

Screen::Loaded& Screen::loaded()
{
    if (!m_loaded)
        throw std::logic_error("the screen is not loaded");
    return *m_loaded;
}

const Screen::Loaded& Screen::loaded() const
{
    if (!m_loaded)
        throw std::logic_error("the screen is not loaded");
    return *m_loaded;
}
