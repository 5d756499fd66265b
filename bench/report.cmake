modulix_add_bench(report_bench SOURCES report_bench.cpp LIBS modulix_report)
# report_vs_dmidecode.sh times the built program against dmidecode on the same dump.
