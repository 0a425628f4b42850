#include "simulator/shell/project/project_tables.h"

#include "engine/model/view.h"

namespace sim {

engine::DrawObject* FindLockObject(const engine::View& view, std::string_view name) {
    const engine::Page* page = view.PageAt(0);
    if (!page) return nullptr;
    for (int i = 0; i < page->ObjectCount(); ++i) {
        engine::DrawObject* object = page->ObjectAt(i);
        if (object->Name() == name) return object;
    }
    return nullptr;
}

void LoadProjectTables(const engine::View& view, ProjectTables& tables) {
    const engine::Page* page0 = view.PageAt(0);
    tables.settings = ReadProjectSettings(page0 ? std::string_view(page0->ExtraText()) : std::string_view());

    LoadScreenTable(view, tables.screens);

    tables.recipes.Clear();
    if (tables.settings.recipeFlag != 0) {
        const engine::DrawObject* lock2 = FindLockObject(view, "Lock2");
        if (lock2 && !lock2->ConfigText().empty())
            tables.recipes.Read(lock2->ConfigText());
        else
            tables.settings.recipeFlag = 0;
    }

    const engine::DrawObject* lock1 = FindLockObject(view, "Lock1");
    tables.discreteAlarms = ReadDiscreteAlarmTable(lock1 ? std::string_view(lock1->ConfigText()) : "");
    tables.analogAlarms = ReadAnalogAlarmTable(lock1 ? std::string_view(lock1->ExtraText()) : "");

    tables.lock3Read = tables.settings.lock3Flag != 0 && FindLockObject(view, "Lock3") != nullptr;

    const engine::DrawObject* lock4 = FindLockObject(view, "Lock4");
    tables.transfers = ReadDataTransfers(lock4 ? std::string_view(lock4->ConfigText()) : "");
}

}  // namespace sim
