#include "progression/TGoal.h"

#include "toolkit/ToolkitText.h"

std::string TGoal::ReplaceXX(std::string text, const std::string& value) {
    const std::string mark = "XX";
    for (size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
    return text;
}

std::string TGoal::GetToGoString() const {
    int toGo = GetToGo();
    if (toGo == target || toGo < 1) return "";
    return ReplaceXX(ToolkitText("GoalValueToGo"), std::to_string(toGo));
}

std::string TGoal::CountedGoalString(const std::string& key) const {
    std::string text = ReplaceXX(ToolkitText(key), std::to_string(target));
    std::string toGo = GetToGoString();
    if (!toGo.empty()) text += " " + toGo;
    return text;
}
