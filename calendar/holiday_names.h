// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names Lumo gives the national holidays (the day cell's tooltip), UTF-8.
// Some differ in wording from the government's list (元日, 建国記念の日, 休日);
// these are Lumo's own texts.
namespace calendar::holiday_names
{

inline constexpr char newYearsDay[] = "元旦";
inline constexpr char comingOfAgeDay[] = "成人の日";
inline constexpr char foundationDay[] = "建国記念日";
inline constexpr char vernalEquinoxDay[] = "春分の日";
inline constexpr char emperorsBirthday[] = "天皇誕生日";
inline constexpr char greeneryDay[] = "みどりの日";
inline constexpr char showaDay[] = "昭和の日";
inline constexpr char constitutionDay[] = "憲法記念日";
inline constexpr char citizensHoliday[] = "国民の休日";
inline constexpr char childrensDay[] = "こどもの日";
inline constexpr char marineDay[] = "海の日";
inline constexpr char mountainDay[] = "山の日";
inline constexpr char respectForTheAgedDay[] = "敬老の日";
inline constexpr char autumnalEquinoxDay[] = "秋分の日";
inline constexpr char healthAndSportsDay[] = "体育の日";
inline constexpr char sportsDay[] = "スポーツの日";
inline constexpr char cultureDay[] = "文化の日";
inline constexpr char labourThanksgivingDay[] = "勤労感謝の日";
inline constexpr char substituteHoliday[] = "振替休日";

// One-off holidays of the imperial house.
inline constexpr char imperialWedding[] = "結婚の儀";
inline constexpr char imperialFuneral[] = "大喪の礼";
inline constexpr char enthronementCeremony[] = "即位礼正殿の儀";
inline constexpr char accessionDay[] = "即位の日";

} // namespace calendar::holiday_names
