#pragma once

// Constants of the pedal unit's command protocol. Every command is a 20-byte HID
// feature report with report ID 2; byte 1 is the command code.

#include <cstddef>
#include <cstdint>

namespace kest {

constexpr unsigned short KEST_VENDOR_ID = 0xE5B7;
constexpr unsigned short KEST_PRODUCT_ID = 0x6A1C;

constexpr std::size_t REPORT_SIZE = 20; // command and reply reports
constexpr std::size_t INPUT_REPORT_SIZE = 17; // input reports (pedal positions)
constexpr std::uint8_t REPORT_ID = 0x02;

// Command codes (byte 1)
constexpr std::uint8_t CMD_PROFILE_NAME = 0x03;
constexpr std::uint8_t CMD_PROFILE_CURVE = 0x04;
constexpr std::uint8_t CMD_PEDAL_RANGE = 0x05;
constexpr std::uint8_t CMD_FIRMWARE_VERSION = 0x09;
constexpr std::uint8_t CMD_READ = 0x0B;
constexpr std::uint8_t CMD_DEVICE_SETTING = 0x0C;
constexpr std::uint8_t CMD_FIRMWARE_END = 0x10;
constexpr std::uint8_t CMD_FIRMWARE_DATA = 0x80; // bit 7 set; bits 0-6 high part of the chunk

// Device settings (byte 2 of CMD_DEVICE_SETTING), 32-bit values in bytes 3-6
constexpr std::uint8_t KESTIE_PEDAL_MODE = 0x07;
constexpr std::uint8_t KESTIE_ACTIVE_PROFILE = 0x0F;
constexpr std::uint8_t KESTIE_CLEAR_FLASH = 0x10;

// Pedal-range tables (byte 3 of CMD_PEDAL_RANGE)
constexpr std::uint8_t RANGE_CALIBRATION = 0;
constexpr std::uint8_t RANGE_DEADZONE = 1;
constexpr std::uint8_t RANGE_WRITE_BYTE2 = 0x01; // byte 2 of every range write
constexpr int RANGE_VALUE_COUNT = 6; // low/high bound of each of the three pedals
constexpr std::size_t RANGE_FIRST_BYTE = 5; // value k sits in bytes 5 + 2k, 6 + 2k

// A write carrying COMMIT_BYTE is kept by the unit; one without is only put into effect.
constexpr std::uint8_t COMMIT_BYTE = 0xEF;
constexpr std::size_t SETTING_COMMIT_POS = 7;
constexpr std::size_t RANGE_COMMIT_POS = 4;
constexpr std::size_t CURVE_COMMIT_POS = 4;

// Top byte of a stored active-profile word.
constexpr std::uint8_t ACTIVE_PROFILE_MARK = 0xEF;

constexpr int PROFILE_SLOT_COUNT = 16;
constexpr int PROFILE_NAME_MAX = 16; // bytes written, plus a terminating zero
constexpr int SLOT_RECORD_SIZE = 7; // slot, pedal code, five curve bytes
constexpr int CURVE_POINT_COUNT = 5;

constexpr int PEDAL_COUNT = 3; // 0 = CLUTCH, 1 = BRAKE, 2 = THROTTLE
constexpr std::uint16_t RAW_MAX = 65535;

} // namespace kest
