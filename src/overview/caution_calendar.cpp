#include "overview/caution_calendar.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

#include "platform/name_uuid.h"
#include "state/numbers.h"

namespace bio {

namespace {

// The namespace of this program's name-based UUIDs.
constexpr const char* kUidNamespace = "fe99aa2e-6db3-4f9c-8bcb-a93287b9657d";
constexpr const char* kUidDomain = "@jp.biorhythm";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateValue(const Date& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    return value;
}

icaltimetype midnightUtc(const Date& date) {
    icaltimetype value = icaltime_null_time();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

icalproperty* calendarName(const char* name) {
    icalproperty* property = icalproperty_new_x(name);
    icalproperty_set_x_name(property, "X-WR-CALNAME");
    return property;
}

// A name-based UUID of the person's name and birth, the rhythm and the first
// day: the same run exported again gets the same UID.
std::string eventUid(const CautionPerson& person, const CautionRun& run) {
    const DateNumbers& birth = person.birth;
    const std::string name = person.name + "\n" + numberText(birth.year) + "-" +
                             numberText(birth.month) + "-" + numberText(birth.day) + "\n" +
                             std::string(rhythmName(run.rhythm)) + "\n" +
                             numberText(run.first.year) + "-" + numberText(run.first.month) + "-" +
                             numberText(run.first.day);
    return nameBasedUuid(kUidNamespace, name) + kUidDomain;
}

icalcomponent* cautionEvent(const CautionPerson& person, const CautionRun& run,
                            const icaltimetype& stamp) {
    const std::string summary =
        person.name + "さん　" + std::string(rhythmName(run.rhythm)) + "の要注意日";
    const std::string description(verdictText(run.rhythm, Verdict::Caution));
    return icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT, icalproperty_new_uid(eventUid(person, run).c_str()),
        icalproperty_new_dtstamp(stamp), icalproperty_new_dtstart(dateValue(run.first)),
        icalproperty_new_dtend(dateValue(run.end)), icalproperty_new_summary(summary.c_str()),
        icalproperty_new_description(description.c_str()),
        icalproperty_new_categories("バイオリズム"),
        icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
}

}  // namespace

std::string cautionCalendar(const std::vector<CautionPerson>& persons,
                            const std::vector<CautionRun>& runs, const Date& today,
                            std::string_view version) {
    const std::string productId = "-//jp.biorhythm//Biorhythm " + std::string(version) + "//JA";
    Component calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_prodid(productId.c_str()),
                            icalproperty_new_version("2.0"), icalproperty_new_calscale("GREGORIAN"),
                            icalproperty_new_method(ICAL_METHOD_PUBLISH),
                            calendarName("バイオリズム要注意日"), nullptr));
    const icaltimetype stamp = midnightUtc(today);
    for (const CautionRun& run : runs)
        icalcomponent_add_component(calendar.get(), cautionEvent(persons[run.person], run, stamp));
    const std::unique_ptr<char, decltype(&std::free)> text(
        icalcomponent_as_ical_string_r(calendar.get()), &std::free);
    return text.get();
}

}  // namespace bio
