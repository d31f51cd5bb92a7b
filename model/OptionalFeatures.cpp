#include "model/OptionalFeatures.h"

#include "model/RadioSettings.h"

#include <array>

namespace radio::optional {

const settings::Setting& setting(List list) {
    // The lists in fill order, by their keys.
    static const std::array<const settings::Setting*, kListCount> byList = {
        settings::find("time_out_timer"),     settings::find("tot_pre_alert"),
        settings::find("squelch_level"),      settings::find("vox_gain_level"),
        settings::find("call_tone"),          settings::find("vox_delay_time"),
        settings::find("voice_annunciation"), settings::find("call_key_define")};
    return *byList.at(std::size_t(list));
}

const std::vector<std::string>& entries(List list, Language language) {
    static const auto build = [](Language l) {
        std::array<std::vector<std::string>, kListCount> lists;
        for (int i = 0; i < kListCount; ++i)
            lists[i] = setting(List(i)).entries(Image{}, l);
        return lists;
    };
    static const auto english = build(Language::English);
    static const auto chinese = build(Language::Chinese);
    return (language == Language::Chinese ? chinese : english)[list];
}

const std::vector<ListField>& listFields() {
    static const std::vector<ListField> fields = [] {
        std::vector<ListField> out;
        for (const settings::Setting* s : settings::ofGroup(settings::Group::OptionalFeatures))
            for (int l = 0; l < kListCount; ++l)
                if (&setting(List(l)) == s)
                    out.push_back({List(l), s->label, s->field});
        return out;
    }();
    return fields;
}

Choices decode(const Image& img) {
    Choices c;
    for (int l = 0; l < kListCount; ++l)
        c.index[l] = setting(List(l)).index(img);
    c.beep = mm::get(img, mm::KeyBeep) != 0;
    c.batterySaver = mm::get(img, mm::BatterySaver) != 0;
    return c;
}

void encode(Image& img, const Choices& c) {
    for (int l = 0; l < kListCount; ++l)
        setting(List(l)).storeIndex(img, c.index[l]);
    mm::set(img, mm::KeyBeep, c.beep ? 1u : 0u);
    mm::set(img, mm::BatterySaver, c.batterySaver ? 1u : 0u);
}

} // namespace radio::optional
