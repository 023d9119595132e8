// The host-visible records: their field order and, where a host reads them by offset, their layout
//
// A host reads the records as the header documents them, field by field. On
// 32-bit Windows each field is the next 32-bit word (integers and pointers
// alike) and the record ends after its last field. On a 64-bit target (x64
// Windows and x86-64 Linux alike) integers are 32 bits, pointers and the
// fields that hold either are 64, each aligned to its size: the offsets and
// sizes below are that layout, written out. Any padding, a wider field or a
// field out of its place fails the build here.
#include "oxel32.h"

#include <cstddef>
#include <cstdint>

#if (defined(_WIN32) && !defined(_WIN64)) || UINTPTR_MAX > 0xFFFFFFFFu
#define OXEL_PIN_RECORD_LAYOUT 1
#endif

#ifdef OXEL_PIN_RECORD_LAYOUT

#include <initializer_list>

namespace {

// A field's offset in this build and the offset it has on a 64-bit target.
struct Field {
    size_t offset;
    size_t offset64;
};

// Whether the fields, given in order, lie where the target puts them: the
// words 0, 4, 8, ... on 32-bit Windows, the written offsets on a 64-bit
// target; and whether the record ends where it should.
template <typename Record>
constexpr bool laid_out(std::initializer_list<Field> fields, size_t size64) {
    size_t word = 0;
    for (Field field : fields) {
        size_t expected = sizeof(void *) == 4 ? word : field.offset64;
        if (field.offset != expected)
            return false;
        word += 4;
    }
    return sizeof(Record) == (sizeof(void *) == 4 ? word : size64);
}

#define AT(field, offset64) Field{offsetof(R, field), offset64}

// Host context, message channel and the description's carriers.
[[maybe_unused]] void pin_host_records() {
    { using R = HostContext;
      static_assert(laid_out<R>({AT(host_word1, 0), AT(host_word2, 8), AT(callback, 16), AT(host_word4, 24),
                                 AT(counters, 32), AT(user_data, 40), AT(host_word7, 48),
                                 AT(message_level, 56)}, 64)); }
    { using R = MessageCounters;
      static_assert(laid_out<R>({AT(reserved, 0), AT(errors, 4), AT(warnings, 8)}, 12)); }
    { using R = MessageRecord;
      static_assert(laid_out<R>({AT(kind, 0), AT(level, 4), AT(zero, 8), AT(text, 16), AT(one, 24)}, 32)); }
    { using R = DescriptionRoot;
      static_assert(laid_out<R>({AT(header, 0), AT(boards, 8), AT(components, 16), AT(pin_families, 24)}, 32)); }
    { using R = ItemList; static_assert(laid_out<R>({AT(count, 0), AT(grow_step, 4), AT(items, 8)}, 16)); }
    { using R = TaggedItem; static_assert(laid_out<R>({AT(tag, 0), AT(value, 8)}, 16)); }
    { using R = IntegerLiteral; static_assert(laid_out<R>({AT(value, 0), AT(kind, 4), AT(text, 8)}, 16)); }
    { using R = LogRecord;
      static_assert(laid_out<R>({AT(date, 0), AT(creator, 8), AT(tool, 16), AT(reason, 24)}, 32)); }
    { using R = HeaderRecord; static_assert(laid_out<R>({AT(creation_log, 0), AT(change_logs, 8)}, 16)); }
}

// A component and everything under it.
[[maybe_unused]] void pin_component_records() {
    { using R = ComponentRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(source_ref, 8), AT(header, 16), AT(standard, 24),
                                 AT(pin_lists, 32), AT(instruction_registers, 40), AT(cells, 48),
                                 AT(boundary_scan_registers, 56), AT(bypass_registers, 64),
                                 AT(identification_registers, 72), AT(usercode_registers, 80),
                                 AT(bist_registers, 88), AT(data_registers, 96), AT(test_sequences, 104),
                                 AT(illegal_sequences, 112), AT(global_performances, 120)}, 128)); }
    { using R = IndexRecord; static_assert(laid_out<R>({AT(kind, 0), AT(first, 8), AT(last, 16)}, 24)); }
    { using R = PinNumberingRecord;
      static_assert(laid_out<R>({AT(number, 0), AT(numbers, 8), AT(indices, 16)}, 24)); }
    { using R = PinRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(form, 8), AT(numbering, 16), AT(type, 24), AT(reserved, 28),
                                 AT(family, 32)}, 40)); }
    { using R = PinRefRecord; static_assert(laid_out<R>({AT(kind, 0), AT(name, 8), AT(selector, 16)}, 24)); }
    { using R = CaptureStatusRecord; static_assert(laid_out<R>({AT(value, 0), AT(description, 8)}, 16)); }
    { using R = CaptureRecord; static_assert(laid_out<R>({AT(status, 0), AT(value, 8)}, 16)); }
    { using R = InstructionRecord;
      static_assert(laid_out<R>({AT(kind, 0), AT(name, 8), AT(reserved, 16), AT(code, 24),
                                 AT(register_name, 32), AT(mode, 40), AT(mode_name, 48), AT(registers, 56)}, 64)); }
    { using R = InstructionRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(capture_value, 24),
                                 AT(capture_status, 32), AT(instructions, 40)}, 48)); }
    { using R = ModeSpecRecord; static_assert(laid_out<R>({AT(reserved, 0), AT(code, 4), AT(name, 8)}, 16)); }
    { using R = CellModeRecord;
      static_assert(laid_out<R>({AT(mode_name, 0), AT(mode, 8), AT(select, 16), AT(capture, 24),
                                 AT(outputs, 32)}, 40)); }
    { using R = CellRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(init_update, 8), AT(data_inputs, 16), AT(data_outputs, 24),
                                 AT(data_select, 32), AT(modes, 40)}, 48)); }
    { using R = ChainElementRecord;
      static_assert(laid_out<R>({AT(position, 0), AT(cell_name, 8), AT(pin, 16), AT(input_params, 24),
                                 AT(output_params, 32), AT(third_params, 40), AT(control_cells, 48),
                                 AT(disable_values, 56)}, 64)); }
    { using R = BoundaryScanRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(chain, 24)}, 32)); }
    { using R = BypassRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(capture_value, 24),
                                 AT(capture_status, 32)}, 40)); }
    { using R = IdRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(capture_value, 24),
                                 AT(capture_status, 32), AT(manufacturer, 40), AT(part_number, 48),
                                 AT(version, 56), AT(concatenation, 64)}, 72)); }
    { using R = PreloadRecord;
      static_assert(laid_out<R>({AT(register_name, 0), AT(reserved, 8), AT(value, 16)}, 24)); }
    { using R = BistRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(preload, 24),
                                 AT(capture_value, 32), AT(capture_status, 40), AT(coverage, 48),
                                 AT(clock, 56), AT(min_duration, 64), AT(parallel_outputs, 72),
                                 AT(altered_registers, 80), AT(concatenation, 88)}, 96)); }
    { using R = DataRegisterRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(purpose, 8), AT(length, 16), AT(capture_value, 24),
                                 AT(capture_status, 32), AT(parallel_outputs, 40), AT(altered_registers, 48),
                                 AT(concatenation, 56)}, 64)); }
}

// Boards, technology and test sequences.
[[maybe_unused]] void pin_board_records() {
    { using R = BoardRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(source_ref, 8), AT(header, 16), AT(pin_lists, 24),
                                 AT(chains, 32), AT(netlists, 40), AT(test_sequences, 48),
                                 AT(illegal_sequences, 56), AT(global_performances, 64)}, 72)); }
    { using R = BoardChainRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(tdi_net, 8), AT(tdo_net, 16), AT(tms_net, 24),
                                 AT(tck_net, 32), AT(trst_net, 40), AT(parts, 48)}, 56)); }
    { using R = PartChainRecord;
      static_assert(laid_out<R>({AT(component_name, 0), AT(part_name, 8), AT(position, 16), AT(tms_net, 24),
                                 AT(tck_net, 32), AT(trst_net, 40)}, 48)); }
    { using R = NetRecord; static_assert(laid_out<R>({AT(component_name, 0), AT(pin, 8), AT(nets, 16)}, 24)); }
    { using R = PinFamilyRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(setup_time, 8), AT(hold_time, 16), AT(tplh_min, 24),
                                 AT(tplh_typ, 32), AT(tplh_max, 40), AT(tphl_min, 48), AT(tphl_typ, 56),
                                 AT(tphl_max, 64), AT(iil, 72), AT(iih, 80), AT(vil, 88), AT(vih, 96),
                                 AT(iol, 104), AT(ioh, 112), AT(vol, 120), AT(voh, 128), AT(vcc_min, 136),
                                 AT(vcc_typ, 144), AT(vcc_max, 152)}, 160)); }
    { using R = GlobalPerformanceRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(test_freq_min, 8), AT(test_freq_typ, 16),
                                 AT(test_freq_max, 24), AT(clock_freq_min, 32), AT(clock_freq_typ, 40),
                                 AT(clock_freq_max, 48), AT(tck_stop_at_one, 56),
                                 AT(tck_stop_at_one_given, 60), AT(reserved, 64), AT(temperature_min, 72),
                                 AT(temperature_typ, 80), AT(temperature_max, 88)}, 96)); }
    { using R = SequenceRecord; static_assert(laid_out<R>({AT(name, 0), AT(instructions, 8)}, 16)); }
    { using R = VrakInstructionRecord; static_assert(laid_out<R>({AT(kind, 0), AT(operand, 8)}, 16)); }
    { using R = VrakOperandRecord;
      static_assert(laid_out<R>({AT(reserved, 0), AT(target, 8), AT(count, 16), AT(value, 24)}, 32)); }
    { using R = PpaRecord; static_assert(laid_out<R>({AT(serial_groups, 0), AT(parallel_groups, 8)}, 16)); }
    { using R = PpaSerialGroupRecord;
      static_assert(laid_out<R>({AT(name, 0), AT(tdi, 8), AT(tdo, 16), AT(tms, 24), AT(tck, 32), AT(trst, 40)}, 48)); }
    { using R = PpaParallelGroupRecord; static_assert(laid_out<R>({AT(name, 0), AT(pins, 8)}, 16)); }
}

#undef AT

}  // namespace

#endif
