#pragma once

#include "model/FieldTable.h"

#include <utility>

namespace aisset::test {

// The entry every choice list shows when the window starts, written out here
// rather than taken from the choice tables, so that a wrong start entry fails.
inline constexpr std::pair<int, const char16_t *> kStartSelections[] = {{slot::shipType, u""},
                                                                        {slot::epfdType, u"1(GPS)"},
                                                                        {slot::channel1, u"2087(161.9750)MHz"},
                                                                        {slot::channel2, u"2088(162.0250)MHz"},
                                                                        {slot::soundPromptRange, u"0.5海里"},
                                                                        {slot::lightPrompt, u"开"},
                                                                        {slot::promptVolume, u"2"},
                                                                        {slot::alarmVolume, u"3"},
                                                                        {slot::keyBrightness, u"2"},
                                                                        {slot::lcdMode, u"正显"},
                                                                        {slot::vhfTalk, u"关"},
                                                                        {slot::dataOutput, u"GPS"},
                                                                        {slot::alarmRange, u"0.5海里"},
                                                                        {slot::arrivalRange, u"5海里"},
                                                                        {slot::approachDisplay, u"关"},
                                                                        {slot::alarm16, u"关"},
                                                                        {slot::aisTransmit, u"关"},
                                                                        {slot::autoRange, u"关"},
                                                                        {slot::gpsOutput, u"RMC,GSV,GSA"},
                                                                        {slot::customMessage, u"关"},
                                                                        {slot::autoVhfOff, u"开"}};

} // namespace aisset::test
