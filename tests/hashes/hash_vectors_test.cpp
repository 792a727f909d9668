// Published test vectors of every algorithm, and the padding boundaries of
// each block hash checked by feeding the same data in pieces.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "hashes/hash_checksums.h"
#include "hashes/hash_facade.h"
#include "hashes/hash_md.h"
#include "hashes/hash_ripemd.h"
#include "hashes/hash_sha1.h"
#include "hashes/hash_sha2.h"
#include "hashes/hash_sha3.h"
#include "hashes/hash_whirlpool_gost.h"

namespace {

const std::string k448 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
const std::string k896 =
    "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu";
const std::string kMillionA(1000000, 'a');
const std::string kDigits80 = "12345678901234567890123456789012345678901234567890123456789012345678901234567890";

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string Digest(THashBase& hash, const std::string& text) {
  return hash.ComputeString(text, THashEncoding::UTF8)->AsString();
}

// The digest of data fed in pieces of the given sizes, repeated until the data ends.
std::string DigestInPieces(THashBase& hash, const TByteArr& data, const std::vector<size_t>& pieces) {
  hash.Initialize();
  size_t pos = 0, k = 0;
  while (pos < data.size()) {
    const size_t n = std::min(pieces[k++ % pieces.size()], data.size() - pos);
    hash.TransformBytes(data, static_cast<int32_t>(pos), static_cast<int32_t>(n));
    pos += n;
  }
  return hash.TransformFinal()->AsString();
}

struct TVector {
  int32_t Id;
  const std::string* Message;
  const char* Expected;
};

const std::string kEmpty;
const std::string kAbc = "abc";
const std::string kA = "a";
const std::string kMessageDigest = "message digest";
const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyz";
const std::string kAlnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const std::string kGost32 = "This is message, length=32 bytes";
const std::string kGost50 = "Suppose the original message has length = 50 bytes";

const TVector kVectors[] = {
    {kHashMD2, &kEmpty, "8350e5a3e24c153df2275c9f80692773"},
    {kHashMD2, &kAbc, "da853b0d3f88d99b30283a69e6ded6bb"},
    {kHashMD2, &kMessageDigest, "ab4f496bfb2a530b219ff33031fe06b0"},
    {kHashMD2, &kAlphabet, "4e8ddff3650292ab5a4108c3aa47940b"},
    {kHashMD2, &kDigits80, "d5976f79d83d3a0dc9806c3c66f3efd8"},
    {kHashMD4, &kEmpty, "31d6cfe0d16ae931b73c59d7e0c089c0"},
    {kHashMD4, &kAbc, "a448017aaf21d8525fc10ae87aa6729d"},
    {kHashMD4, &kMessageDigest, "d9130a8164549fe818874806e1c7014b"},
    {kHashMD4, &kDigits80, "e33b4ddc9c38f2199c3e7b164fcc0536"},
    {kHashMD5, &kEmpty, "d41d8cd98f00b204e9800998ecf8427e"},
    {kHashMD5, &kAbc, "900150983cd24fb0d6963f7d28e17f72"},
    {kHashMD5, &kMessageDigest, "f96b697d7cb7938d525a2f31aaf161d0"},
    {kHashMD5, &kDigits80, "57edf4a22be3c955ac49da2e2107b67a"},
    {kHashMD5, &kMillionA, "7707d6ae4e027c70eea2a935c2296f21"},
    {kHashSHA1, &kEmpty, "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {kHashSHA1, &kAbc, "a9993e364706816aba3e25717850c26c9cd0d89d"},
    {kHashSHA1, &k448, "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
    {kHashSHA1, &k896, "a49b2446a02c645bf419f995b67091253a04a259"},
    {kHashSHA1, &kMillionA, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    {kHashSHA224, &kEmpty, "d14a028c2a3a2bc9476102bb288234c415a2b01f828ea62ac5b3e42f"},
    {kHashSHA224, &kAbc, "23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7"},
    {kHashSHA224, &k448, "75388b16512776cc5dba5da1fd890150b0c6455cb4f58b1952522525"},
    {kHashSHA224, &k896, "c97ca9a559850ce97a04a96def6d99a9e0e0e2ab14e6b8df265fc0b3"},
    {kHashSHA224, &kMillionA, "20794655980c91d8bbb4c1ea97618a4bf03f42581948b2ee4ee7ad67"},
    {kHashSHA256, &kEmpty, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {kHashSHA256, &kAbc, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {kHashSHA256, &k448, "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {kHashSHA256, &k896, "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
    {kHashSHA256, &kMillionA, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    {kHashSHA384, &kEmpty,
     "38b060a751ac96384cd9327eb1b1e36a21fdb71114be07434c0cc7bf63f6e1da274edebfe76f65fbd51ad2f14898b95b"},
    {kHashSHA384, &kAbc,
     "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7"},
    {kHashSHA384, &k896,
     "09330c33f71147e83d192fc782cd1b4753111b173b3b05d22fa08086e3b0f712fcc7c71a557e2db966c3e9fa91746039"},
    {kHashSHA384, &kMillionA,
     "9d0e1809716474cb086e834e310a4a1ced149e9c00f248527972cec5704c2a5b07b8b3dc38ecc4ebae97ddd87f3d8985"},
    {kHashSHA512, &kEmpty,
     "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a"
     "5"
     "38327af927da3e"},
    {kHashSHA512, &kAbc,
     "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2"
     "a"
     "9ac94fa54ca49f"},
    {kHashSHA512, &k896,
     "8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545"
     "e"
     "96e55b874be909"},
    {kHashSHA512, &kMillionA,
     "e718483d0ce769644e2e42c7bc15b4638e1f98b13b2044285632a803afa973ebde0ff244877ea60a4cb0432ce577c31beb009c5c2c49aa2e4"
     "e"
     "adb217ad8cc09b"},
    {kHashSHA3_224, &kEmpty, "6b4e03423667dbb73b6e15454f0eb1abd4597f9a1b078e3f5b5a6bc7"},
    {kHashSHA3_224, &kAbc, "e642824c3f8cf24ad09234ee7d3c766fc9a3a5168d0c94ad73b46fdf"},
    {kHashSHA3_256, &kEmpty, "a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a"},
    {kHashSHA3_256, &kAbc, "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532"},
    {kHashSHA3_256, &k448, "41c0dba2a9d6240849100376a8235e2c82e1b9998a999e21db32dd97496d3376"},
    {kHashSHA3_256, &k896, "916f6061fe879741ca6469b43971dfdb28b1a32dc36cb3254e812be27aad1d18"},
    {kHashSHA3_256, &kMillionA, "5c8875ae474a3634ba4fd55ec85bffd661f32aca75c6d699d0cdcb6c115891c1"},
    {kHashSHA3_384, &kEmpty,
     "0c63a75b845e4f7d01107d852e4c2485c51a50aaaa94fc61995e71bbee983a2ac3713831264adb47fb6bd1e058d5f004"},
    {kHashSHA3_384, &kAbc,
     "ec01498288516fc926459f58e2c6ad8df9b473cb0fc08c2596da7cf0e49be4b298d88cea927ac7f539f1edf228376d25"},
    {kHashSHA3_512, &kEmpty,
     "a69f73cca23a9ac5c8b567dc185a756e97c982164fe25859e0d1dcc1475c80a615b2123af1f5f94c11e3e9402c3ac558f500199d95b6d3e30"
     "1"
     "758586281dcd26"},
    {kHashSHA3_512, &kAbc,
     "b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56"
     "5"
     "92f8274eec53f0"},
    {kHashRIPEMD, &kEmpty, "9f73aa9b372a9dacfb86a6108852e2d9"},
    {kHashRIPEMD, &kA, "486f74f790bc95ef7963cd2382b4bbc9"},
    {kHashRIPEMD, &kAbc, "3f14bad4c2f9b0ea805e5485d3d6882d"},
    {kHashRIPEMD, &kMessageDigest, "5f5c7ebe1abbb3c7036482942d5f9d49"},
    {kHashRIPEMD, &kAlphabet, "ff6e1547494251a1cca6f005a6eaa2b4"},
    {kHashRIPEMD, &kAlnum, "ff418a5aed3763d8f2ddf88a29e62486"},
    {kHashRIPEMD, &kDigits80, "dfd6b45f60fe79bbbde87c6bfc6580a5"},
    {kHashRIPEMD128, &kEmpty, "cdf26213a150dc3ecb610f18f6b38b46"},
    {kHashRIPEMD128, &kAbc, "c14a12199c66e4ba84636b0f69144c77"},
    {kHashRIPEMD128, &k448, "a1aa0689d0fafa2ddc22e88b49133a06"},
    {kHashRIPEMD128, &kMillionA, "4a7f5723f954eba1216c9d8f6320431f"},
    {kHashRIPEMD160, &kEmpty, "9c1185a5c5e9fc54612808977ee8f548b2258d31"},
    {kHashRIPEMD160, &kAbc, "8eb208f7e05d987a9b044a8e98c6b087f15a0bfc"},
    {kHashRIPEMD160, &kMessageDigest, "5d0689ef49d2fae572b881b123a85ffa21595f36"},
    {kHashRIPEMD160, &k448, "12a053384a9c0c88e405a06c27dcf49ada62eb2b"},
    {kHashRIPEMD160, &kMillionA, "52783243c1697bdbe16d37f97f68f08325dc1528"},
    {kHashRIPEMD256, &kEmpty, "02ba4c4e5f8ecd1877fc52d64d30e37a2d9774fb1e5d026380ae0168e3c5522d"},
    {kHashRIPEMD256, &kAbc, "afbd6e228b9d8cbbcef5ca2d03e6dba10ac0bc7dcbe4680e1e42d2e975459b65"},
    {kHashRIPEMD320, &kEmpty, "22d65d5661536cdc75c1fdf5c6de7b41b9f27325ebc61e8557177d705a0ec880151c3a32a00899b8"},
    {kHashRIPEMD320, &kAbc, "de4c01b3054f8930a79d09ae738e92301e5a17085beffdc1b8d116713e74f82fa942d64cdbc4682d"},
    {kHashWhirlpool, &kEmpty,
     "19fa61d75522a4669b44e39c1d2e1726c530232130d407f89afee0964997f7a73e83be698b288febcf88e3e03c4f0757ea8964e59b63d9370"
     "8"
     "b138cc42a66eb3"},
    {kHashWhirlpool, &kAbc,
     "4e2448a4c6f486bb16b6562c73b4020bf3043e3a731bce721ae1b303d97e6d4c7181eebdb6c57e277d0e34957114cbd6c797fc9d95d8b582d"
     "2"
     "25292076d4eef5"},
    {kHashWhirlpool, &kMillionA,
     "0c99005beb57eff50a7cf005560ddf5d29057fd86b20bfd62deca0f1ccea4af51fc15490eddc47af32bb2b66c34ff9ad8c6008ad677f7712"
     "6953b226e4ed8b01"},
    {kHashGOST, &kGost32, "b1c466d37519b82e8319819ff32595e047a28cb6f83eff1c6916a815a637fffa"},
    {kHashGOST, &kGost50, "471aba57a60a770d3a76130635c1fbea4ef14de51f78b4ae57dd893b62f55208"},
    {kHashGOST, &kEmpty, "ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d"},
    {kHashGOST, &kAbc, "f3134348c44fb1b2a277729e2285ebb5cb5e0f29c975bc753b70497c06a4d51d"},
    {kHashAdler32, &kEmpty, "00000001"},
    {kHashAdler32, &kAbc, "024d0127"},
    {kHashCRC32, &kEmpty, "00000000"},
    {kHashCRC32Reversed, &kEmpty, "00000000"},
    {kHashCRC32BZIP2Reversed, &kEmpty, "00000000"},
    // The standard messages for which no digest is published above, as
    // php's hash() gives them; they pin the padding of every size.
    {kHashMD2, &k448, "0dff6b398ad5a62ac8d97566b80c3a7f"},
    {kHashMD2, &k896, "2c194d0376411dc0b8485d3abe2a4b6b"},
    {kHashMD2, &kMillionA, "8c0a09ff1216ecaf95c8130953c62efd"},
    {kHashMD4, &k448, "4691a9ec81b1a6bd1ab8557240b245c5"},
    {kHashMD4, &k896, "2102d1d94bd58ebf5aa25c305bb783ad"},
    {kHashMD4, &kMillionA, "bbce80cc6bb65e5c6745e30d4eeca9a4"},
    {kHashMD5, &k448, "8215ef0796a20bcaaae116d3876c664a"},
    {kHashMD5, &k896, "03dd8807a93175fb062dfb55dc7d359c"},
    {kHashSHA384, &k448,
     "3391fdddfc8dc7393707a65b1b4709397cf8b1d162af05abfe8f450de5f36bc6b0455a8520bc4e6f5fe95b1fe3c8452b"},
    {kHashSHA512, &k448,
     "204a8fc6dda82f0a0ced7beb8e08a41657c16ef468b228a8279be331a703c33596fd15c13b1b07f9aa1d3bea57789ca031ad"
     "85c7a71dd70354ec631238ca3445"},
    {kHashSHA3_224, &k448, "8a24108b154ada21c9fd5574494479ba5c7e7ab76ef264ead0fcce33"},
    {kHashSHA3_224, &k896, "543e6868e1666c1a643630df77367ae5a62a85070a51c14cbf665cbc"},
    {kHashSHA3_224, &kMillionA, "d69335b93325192e516a912e6d19a15cb51c6ed5c15243e7a7fd653c"},
    {kHashSHA3_384, &k448,
     "991c665755eb3a4b6bbdfb75c78a492e8c56a22c5c4d7e429bfdbc32b9d4ad5aa04a1f076e62fea19eef51acd0657c22"},
    {kHashSHA3_384, &k896,
     "79407d3b5916b59c3e30b09822974791c313fb9ecc849e406f23592d04f625dc8c709b98b43b3852b337216179aa7fc7"},
    {kHashSHA3_384, &kMillionA,
     "eee9e24d78c1855337983451df97c8ad9eedf256c6334f8e948d252d5e0e76847aa0774ddb90a842190d2c558b4b8340"},
    {kHashSHA3_512, &k448,
     "04a371e84ecfb5b8b77cb48610fca8182dd457ce6f326a0fd3d7ec2f1e91636dee691fbe0c985302ba1b0d8dc78c086346b5"
     "33b49c030d99a27daf1139d6e75e"},
    {kHashSHA3_512, &k896,
     "afebb2ef542e6579c50cad06d2e578f9f8dd6881d7dc824d26360feebf18a4fa73e3261122948efcfd492e74e82e2189ed0f"
     "b440d187f382270cb455f21dd185"},
    {kHashSHA3_512, &kMillionA,
     "3c3a876da14034ab60627c077bb98f7e120a2a5370212dffb3385a18d4f38859ed311d0a9d5141ce9cc5c66ee689b266a8aa"
     "18ace8282a0e0db596c90b0a7b87"},
    {kHashRIPEMD128, &k896, "d4ecc913e1df776bf48de9d55b1f2546"},
    {kHashRIPEMD160, &k896, "6f3fa39b6b503c384f919a49a7aa5c2c08bdfb45"},
    {kHashRIPEMD256, &k448, "3843045583aac6c8c8d9128573e7a9809afb2a0f34ccc36ea9e72f16f6368e3f"},
    {kHashRIPEMD256, &k896, "9f111a4e8978e8bc37a87f320c5e8e92eb011dfc947caf69519909ffe093fbb7"},
    {kHashRIPEMD256, &kMillionA, "ac953744e10e31514c150d4d8d7b677342e33399788296e43ae4850ce4f97978"},
    {kHashRIPEMD320, &k448, "d034a7950cf722021ba4b84df769a5de2060e259df4c9bb4a4268c0e935bbc7470a969c9d072a1ac"},
    {kHashRIPEMD320, &k896, "1262ca0af08f9f7178f3252fa81d43dc1525d10d82bca7c52695ad2c8a3623711e4113b19df115b3"},
    {kHashRIPEMD320, &kMillionA, "bdee37f4371e20646b8b0d862dda16292ae36f40965e8c8509e63d1dbddecc503e2b63eb9245bb66"},
    {kHashWhirlpool, &k448,
     "526b2394d85683e24b29acd0fd37f7d5027f61366a1407262dc2a6a345d9e240c017c1833db1e6db6a46bd444b0c69520c85"
     "6e7c6e9c366d150a7da3aeb160d1"},
    {kHashWhirlpool, &k896,
     "14aa95962750ed385bed2b9f43fbad41483a8910221723a5f15a0614e74fb12fe7d5523abd8ab0c09cb77852159deef4e9eb"
     "9808e54a0b83f26865d121af3c0b"},
    {kHashGOST, &k448, "99372ef64f69157874adf94a19e66bc6cb3feedffe984a53d0582eaacccc4a74"},
    {kHashGOST, &k896, "e0796b37697697733f241290ed64aa15053ee54b378a43798d1cfe72ae650b79"},
    {kHashGOST, &kMillionA, "5c00ccc2734cdd3332d3d4749576e3c1a7dbaf0e7ea74e9fa602413c90a129fa"},
    {kHashAdler32, &k448, "807416f9"},
    {kHashAdler32, &k896, "1ac22ed1"},
    {kHashAdler32, &kMillionA, "15d870f9"},
    {kHashCRC32BZIP2Reversed, &kAbc, "73bb8c64"},
    {kHashCRC32BZIP2Reversed, &k448, "c5466e1d"},
    {kHashCRC32BZIP2Reversed, &k896, "3b5105b7"},
    {kHashCRC32BZIP2Reversed, &kMillionA, "38dcbe97"},
    {kHashCRC32, &kAbc, "352441c2"},
    {kHashCRC32, &k448, "171a3f5f"},
    {kHashCRC32, &k896, "191f3349"},
    {kHashCRC32, &kMillionA, "dc25bfbc"},
};

TEST(HashVectors, PublishedDigests) {
  for (const auto& v : kVectors) {
    auto hash = CreateHashByAlgorithmId(v.Id);
    ASSERT_TRUE(hash) << v.Id;
    const std::string label =
        std::to_string(v.Id) + " of " + v.Message->substr(0, 20) + " (" + std::to_string(v.Message->size()) + " bytes)";
    EXPECT_EQ(Digest(*hash, *v.Message), Upper(v.Expected)) << label;
    EXPECT_EQ(hash->ComputeString(*v.Message, THashEncoding::UTF8)->GetBytes().size(),
              static_cast<size_t>(hash->GetHashSize()))
        << label;
  }
}

TEST(HashVectors, SHA0PublishedDigests) {
  THashSHA0 sha0;
  EXPECT_EQ(Digest(sha0, "abc"), Upper("0164b8a914cd2a5e74c4f7ff082c4d97f1edf880"));
  EXPECT_EQ(Digest(sha0, k448), Upper("d2516ee1acfa5baf33dfc1c471e438449ef134c8"));
  EXPECT_EQ(Digest(sha0, kMillionA), Upper("3232affa48628a26653b5aaa44541fd90d690603"));
}

// The same object hashes a second message right after TransformFinal, and
// every algorithm gives the same digest for any split of the input.
TEST(HashVectors, SplitFeedingAndReuseEqualOneShot) {
  std::mt19937 rng(23);
  TByteArr data(3 * 1024 + 77);
  for (auto& b : data) b = static_cast<uint8_t>(rng());
  const std::vector<std::vector<size_t>> splits = {{1}, {15, 16, 17}, {63, 1, 64, 65}, {127, 129}, {200, 3}};
  for (int32_t id : {1000, 1001, 2001, 2002, 2003, 3001, 5001, 5002, 5003, 6000, 6001, 6002,
                     6003, 6004, 7001, 7002, 7003, 7004, 7005, 7006, 7007, 7008, 7009}) {
    auto hash = CreateHashByAlgorithmId(id);
    const std::string whole = hash->ComputeBytes(data)->AsString();
    for (const auto& split : splits) EXPECT_EQ(DigestInPieces(*hash, data, split), whole) << id;
    EXPECT_EQ(hash->ComputeBytes(data)->AsString(), whole) << id;
    // Without a new Initialize: TransformFinal left the object ready.
    hash->TransformBytes(data);
    EXPECT_EQ(hash->TransformFinal()->AsString(), whole) << id;
  }
}

// Messages around each padding border: a fresh hash of the prefix must equal
// the incremental one, and neighbouring lengths must differ. The published
// long vectors above already pin the padding itself; this catches a border
// that takes the wrong branch only at one length.
TEST(HashVectors, PaddingBordersFeedEqually) {
  TByteArr data(300);
  for (size_t k = 0; k < data.size(); ++k) data[k] = static_cast<uint8_t>(k * 7 + 3);
  for (int32_t id : {1001, 3001, 5001, 5002, 5003, 6000, 6001, 6002, 6003, 6004, 7001, 7002, 7003, 7004, 7005, 7006,
                     7007, 7008, 7009}) {
    auto hash = CreateHashByAlgorithmId(id);
    const size_t block = static_cast<size_t>(hash->GetBlockSize());
    std::string previous;
    for (size_t border : {block - 9, block - 8, block - 1, block, block + 1, 2 * block - 17, 2 * block - 16}) {
      TByteArr prefix(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(border % data.size()));
      const std::string once = hash->ComputeBytes(prefix)->AsString();
      EXPECT_EQ(DigestInPieces(*hash, prefix, {1}), once) << id << " at " << prefix.size();
      EXPECT_NE(once, previous) << id << " at " << prefix.size();
      previous = once;
    }
  }
}

}  // namespace
