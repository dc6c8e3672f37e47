#include "app/tool_table.h"

#include <array>

namespace quivra {
namespace {

const Tool tools[] = {
    {0, 0, 0, nullptr},
};

}  // namespace

const Tool* tool_for_command(int command) {
    for (const Tool& tool : tools)
        if (tool.command == command && tool.procedure) return &tool;
    return nullptr;
}

}  // namespace quivra
