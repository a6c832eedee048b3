// The networks and their weight files, checked against outputs worked out by
// hand from small files written here.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/engine.h"
#include "engine/knowledge/feature_net.h"
#include "engine/knowledge/neural_net.h"
#include "engine/knowledge/pattern_net.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

// 3-3-1.  Hidden unit 0's incoming weights (the 9s) must be ignored: that
// unit is the bias and always 1.
//   h1 = s(0.5*1 + 1*2 - 2*0.5) = s(1.5),  h2 = s(-1*1 + 0.25*2 + 3*0.5) = s(1)
//   out = s(0.5 + h1 - 2*h2) = s(0.5 + 0.81757448 - 1.46211716) = 0.46392711
const char* const small_net =
    "9 9 9 0.5\n"
    "0.5 1.0 -2.0 1.0\n"
    "-1 0.25 3 -2.0\n";

TEST(NeuralNet, ForwardPassMatchesAHandComputation) {
    test::scoped_data_dir dir;
    dir.write("small.dat", small_net);
    neural_net net(3, 3, 1, "small.dat");
    net.read_file();
    const double in[3] = {1.0, 2.0, 0.5};
    double out[1] = {};
    net.evaluate(in, out);
    EXPECT_NEAR(out[0], 0.463927112535673, 1e-12);
    EXPECT_DOUBLE_EQ(net.hidden_activation(0), 1.0);
    EXPECT_NEAR(net.hidden_activation(1), 0.817574476193644, 1e-12);
    EXPECT_NEAR(net.hidden_activation(2), 0.731058578630005, 1e-12);
    EXPECT_DOUBLE_EQ(net.output_activation(0), out[0]);
    // The weights land where the file's order says.
    EXPECT_DOUBLE_EQ(net.w_in(2, 1), -2.0);
    EXPECT_DOUBLE_EQ(net.w_in(1, 2), 0.25);
    EXPECT_DOUBLE_EQ(net.w_out(2, 0), -2.0);
    EXPECT_DOUBLE_EQ(net.w_in(0, 0), 9.0);
}

TEST(NeuralNet, InputsUpToAThousandthAreSkipped) {
    test::scoped_data_dir dir;
    // 2-2-1 with a large weight from input 1 to hidden unit 1:
    // skipped input -> h1 = s(0) = 0.5, out = s(0.5);
    // input 0.0011 -> h1 = s(1.1), out = s(s(1.1)).
    dir.write("sparse.dat", "0 0 0\n0 1000 1\n");
    neural_net net(2, 2, 1, "sparse.dat");
    net.read_file();
    double out[1] = {};
    for (double x : {0.0, 0.001, -0.001}) {
        const double in[2] = {0.0, x};
        net.evaluate(in, out);
        EXPECT_NEAR(out[0], 0.622459331201855, 1e-12) << x;
    }
    const double in[2] = {0.0, 0.0011};
    net.evaluate(in, out);
    EXPECT_NEAR(out[0], 0.679235372240829, 1e-12);
}

TEST(NeuralNet, WeightFileLengths) {
    test::scoped_data_dir dir;
    {
        // Short: the three numbers read are w_in[0][0], w_in[1][0], w_out[0][0].
        dir.write("short.dat", "1 2\n3");
        test::diag_capture log;
        neural_net net(2, 2, 1, "short.dat");
        net.read_file();
        EXPECT_EQ(log.text(), "Loading file short.dat ok\n");
        EXPECT_DOUBLE_EQ(net.w_in(1, 0), 2.0);
        EXPECT_DOUBLE_EQ(net.w_out(0, 0), 3.0);
        EXPECT_DOUBLE_EQ(net.w_in(1, 1), 0.0);
        EXPECT_DOUBLE_EQ(net.w_out(1, 0), 0.0);
        const double in[2] = {1.0, 1.0};
        double out[1] = {};
        net.evaluate(in, out);
        EXPECT_NEAR(out[0], 0.952574126822433, 1e-12);  // s(3)
    }
    {
        // Surplus numbers after the six needed are ignored.
        dir.write("long.dat", "0 0 0.5\n0 0 -0.25\n7 7 7 7\n");
        test::diag_capture log;
        neural_net net(2, 2, 1, "long.dat");
        net.read_file();
        EXPECT_EQ(log.text(), "Loading file long.dat ok\n");
        EXPECT_DOUBLE_EQ(net.w_out(0, 0), 0.5);
        EXPECT_DOUBLE_EQ(net.w_out(1, 0), -0.25);
    }
    {
        // A file read a second time, now shorter, leaves zeros, not the old
        // weights.
        dir.write("again.dat", "1 1 1 1 1 1");
        neural_net net(2, 2, 1, "again.dat");
        net.read_file();
        dir.write("again.dat", "2");
        net.read_file();
        EXPECT_DOUBLE_EQ(net.w_in(0, 0), 2.0);
        EXPECT_DOUBLE_EQ(net.w_out(1, 0), 0.0);
    }
}

TEST(NeuralNet, MissingFileAnswersOneHalf) {
    test::scoped_data_dir dir;
    test::diag_capture log;
    neural_net net(4, 3, 2, "absent.dat");
    net.read_file();
    EXPECT_EQ(log.text(), "Error: Couldn't find file absent.dat \n");
    const double in[4] = {1.0, 5.0, -3.0, 0.25};
    double out[2] = {};
    net.evaluate(in, out);
    EXPECT_DOUBLE_EQ(out[0], 0.5);
    EXPECT_DOUBLE_EQ(out[1], 0.5);
}

TEST(NeuralNet, GarbageIsRefusedAndAnswersOneHalf) {
    test::scoped_data_dir dir;
    const std::pair<std::string, std::string> files[] = {
        {std::string("\xef\xbb\xbf\0\xff(;B[dd])", 11), "no weights in it"},
        {"1 2 nan 4", "a weight out of range"},
        {"1 -inf", "a weight out of range"},
        {"1 2e300 3", "a weight out of range"},
    };
    for (const auto& [contents, reason] : files) {
        dir.write("bad.dat", "1 1 1 1 1 1");
        neural_net net(2, 2, 1, "bad.dat");
        net.read_file();
        dir.write("bad.dat", contents);
        test::diag_capture log;
        net.read_file();
        EXPECT_EQ(log.text(), "Loading file bad.dat refused: " + reason + "\n") << contents;
        const double in[2] = {1.0, 1.0};
        double out[1] = {};
        net.evaluate(in, out);
        EXPECT_DOUBLE_EQ(out[0], 0.5) << contents;
    }
}

TEST(NeuralNet, WrittenFileHasTheReadLayoutAndReadsBack) {
    test::scoped_data_dir dir;
    neural_net net(2, 2, 2, "out.dat");
    net.w_in(0, 1) = 0.125;
    net.w_in(1, 1) = -3.5;
    net.w_out(0, 1) = 2.0;
    net.w_out(1, 0) = 1.0 / 3.0;
    ASSERT_TRUE(net.write_file(dir.path("out.dat")));
    EXPECT_EQ(dir.read("out.dat"), "0 0 0 2\n0.125 -3.5 0.333333333 0\n");

    neural_net back(2, 2, 2, "out.dat");
    back.read_file();
    EXPECT_DOUBLE_EQ(back.w_in(1, 1), -3.5);
    EXPECT_DOUBLE_EQ(back.w_out(0, 1), 2.0);
    EXPECT_NEAR(back.w_out(1, 0), 1.0 / 3.0, 1e-9);
    EXPECT_FALSE(net.write_file(dir.path("no-such-dir/out.dat")));
}

TEST(NeuralNet, SetgainStoresAndReports) {
    test::diag_capture log;
    neural_net net(1, 1, 1, "tsume.dat");
    net.setgain(1.0);
    net.setgain(0.12345);
    EXPECT_EQ(log.text(), " setgain tsume.dat 1.000\n setgain tsume.dat 0.123\n");
    EXPECT_DOUBLE_EQ(net.gain(), 0.12345);
}

TEST(NeuralNet, LongFileNamesAreKeptWhole) {
    std::string name(150, 'n');
    test::diag_capture log;
    neural_net net(1, 1, 1, name);
    net.read_file();
    EXPECT_EQ(net.file_name(), name);
    EXPECT_EQ(log.text(), "Error: Couldn't find file " + name + " \n");
}

TEST(FeatureNet, BuffersAndCountChecks) {
    test::scoped_data_dir dir;
    dir.write("f.dat", small_net);
    test::diag_capture log;
    feature_net net(3, 3, 1, "f.dat");
    EXPECT_EQ(log.text(), "Loading file f.dat ok\n");
    for (double x : {1.0, 2.0, 0.5})
        net.push(x);
    EXPECT_TRUE(net.check_count());
    EXPECT_NEAR(net.evaluate(), 0.463927112535673, 1e-12);
    EXPECT_NEAR(net.output(0), 0.463927112535673, 1e-12);

    // reset zeroes the buffer: one pushed input leaves the others at zero.
    // h1 = s(0.5), h2 = s(-1), out = s(0.5 + s(0.5) - 2 s(-1)).
    net.reset();
    net.push(1.0);
    EXPECT_FALSE(net.check_count());
    EXPECT_NEAR(net.evaluate(), 0.642119775030808, 1e-12);

    // Too many inputs: counted and reported, never written past the buffer.
    net.reset();
    for (int k = 0; k < 5; ++k)
        net.push(1.0);
    EXPECT_FALSE(net.check_count());
    EXPECT_EQ(net.pushed(), 5);
    EXPECT_EQ(net.inputs()[2], 1.0);
    EXPECT_EQ(log.text(), "Loading file f.dat ok\nindex 1 N 3 mismatch!\nindex 5 N 3 mismatch!\n");
}

TEST(PatternNet, ReportsCountsInItsOwnWords) {
    test::diag_capture log;
    pattern_net net(3, 2, 2, "none.dat");
    net.push(1.0);
    net.push(1.0);
    EXPECT_FALSE(net.check_count());
    net.push(1.0);
    EXPECT_TRUE(net.check_count());
    net.evaluate();
    EXPECT_DOUBLE_EQ(net.output(1), 0.5);
    EXPECT_EQ(log.text(), "Error: Couldn't find file none.dat \nerror indeks 2 N 3\n");
}

TEST(EngineNetworks, BuiltInOrderAndNeutralWithoutFiles) {
    test::scoped_data_dir dir;
    test::diag_capture log;
    engine e;
    // The whole start-up log without data files: the depth prompt, the
    // libraries, then the networks.
    EXPECT_EQ(log.text(),
              "max_depth_status max_depth_connection max_depth_L&D"
              " file j_mini.dat not found  file j_corner.dat not found "
              " file j_side.dat not found  file j_fuseki.dat not found "
              "Error: Couldn't find file harass.dat \n"
              "Error: Couldn't find file safe_19_10.dat \n"
              "Error: Couldn't find file terr.dat \n"
              "Error: Couldn't find file shape.dat \n"
              "Error: Couldn't find file tsume.dat \n"
              " tsume gain 1.000000\n"
              " setgain tsume.dat 1.000\n");
    struct expected {
        feature_net* net;
        int n_in, n_hid, n_out;
    } nets[] = {{e.harass_net.get(), 14, 20, 1},
                {e.safety_net.get(), 19, 10, 1},
                {e.territory_net.get(), 7, 11, 1},
                {e.shape_net.get(), 167, 100, 2},
                {e.tsume_net.get(), 53, 50, 1}};
    for (const expected& x : nets) {
        EXPECT_EQ(x.net->n_in, x.n_in);
        EXPECT_EQ(x.net->n_hid, x.n_hid);
        EXPECT_EQ(x.net->n_out, x.n_out);
        x.net->reset();
        for (int k = 0; k < x.n_in; ++k)
            x.net->push(k % 3 - 1.0);
        EXPECT_DOUBLE_EQ(x.net->evaluate(), 0.5);
    }
    EXPECT_DOUBLE_EQ(e.tsume_net->net().gain(), 1.0);
}

TEST(EngineNetworks, FilesFoundInTheDataDirectoryAreNamedPlainly) {
    test::scoped_data_dir dir;
    dir.write("terr.dat", "0 0 0 0 0 0 0 2\n");
    test::diag_capture log;
    engine e;
    EXPECT_NE(log.text().find("Error: Couldn't find file safe_19_10.dat \n"
                              "Loading file terr.dat ok\n"
                              "Error: Couldn't find file shape.dat \n"),
              std::string::npos)
        << log.text();
    e.territory_net->reset();
    EXPECT_NEAR(e.territory_net->evaluate(), 0.880797077977882, 1e-12);  // s(2)
}

}  // namespace
